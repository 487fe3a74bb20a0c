// SPDX-License-Identifier: MIT
// The file list's columns at the system's font.
#include "photos/CFileListView.h"
#include "photos/CPhotoCollection.h"
#include "support/FakePhotos.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What each column's contents ask for, as the list measures them.
class MeasuredList : public CFileListView
{
public:
    using CFileListView::CFileListView;
    using CFileListView::sizeHintForColumn;
};

// At a large system font the file name and the modification time fit their
// columns, and all the columns keep their given proportions.
TEST(FileListColumns, FitTheirContentsAtALargeFontInTheGivenProportions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DSCN0001.JPG"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    CPhotoCollection collection;
    appendUnloadedPhoto(collection, path);
    ASSERT_EQ(collection.count(), 1);

    const QFont systemFont = QApplication::font();
    QFont large = systemFont;
    large.setPixelSize(22);
    QApplication::setFont(large);
    {
        MeasuredList list(&collection, nullptr);
        for (int column : {int(CPhotoCollection::FileColumn), int(CPhotoCollection::ModifiedColumn)})
            EXPECT_LE(list.sizeHintForColumn(column), list.columnWidth(column)) << "column " << column;
        const double scale = double(list.columnWidth(0)) / CPhotoCollection::kColumnWidths[0];
        EXPECT_GT(scale, 1.0);
        for (int column = 1; column < CPhotoCollection::ColumnCount; ++column)
            EXPECT_NEAR(list.columnWidth(column), CPhotoCollection::kColumnWidths[column] * scale, 3.0); // rounding
    }
    QApplication::setFont(systemFont);
}

} // namespace
