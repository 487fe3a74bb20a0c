// SPDX-License-Identifier: MIT
// The collection and its file list: what a row shows, the first photo, Remove
// selected, Remove all and the selection sync of a click.
#include "LoaderFixture.h"

#include "imaging/CPhotoImage.h"
#include "photos/CollectionEditor.h"
#include "photos/PhotoRecord.h"
#include "support/FakePhotos.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpression>

namespace {

using snapwane::test::PhotoFolder;

class Collection : public LoaderFixture
{
protected:
    QString cell(int row, int column)
    {
        return collection().index(row, column).data().toString();
    }

    // Loads count photos and shows the file list, as a user would see it.
    void loadPhotos(int count)
    {
        load(folder.writeMany(QStringLiteral("photo"), count));
        ASSERT_EQ(collection().count(), count);
        view()->state().setViewMode(PhotoViewHost::FileListMode);
    }

    void remove(int row)
    {
        view()->fileList()->selectRow(row);
        frame.onCommand(ids::cmd::RemovePhoto);
    }
};

TEST_F(Collection, RowShowsTheFilesDetails)
{
    const QString path = folder.writeJpeg(QStringLiteral("Beach Day.JPG"), 1600, 1200);
    PhotoRecord record;
    ASSERT_EQ(PhotoRecord::Load(path, view()->photoProgressDlg(), record), PhotoRecord::Outcome::Loaded);
    const std::uintmax_t bytes = record.fileBytes;
    ASSERT_TRUE(view()->collectionEditor().append(std::move(record)));

    EXPECT_EQ(cell(0, 0), QStringLiteral("beach day.jpg"));
    EXPECT_EQ(cell(0, 1), QDir::toNativeSeparators(folder.path(QString())).toLower() + QDir::separator());
    EXPECT_EQ(cell(0, 2).remove(u' ').toULongLong(), bytes);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}\\.\\d\\d\\.\\d\\d  \\d\\d:\\d\\d$")).match(cell(0, 3)).hasMatch())
        << cell(0, 3).toStdString();
    EXPECT_EQ(cell(0, 4), QStringLiteral("1600 x 1200"));
    EXPECT_FALSE(collection().index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(collection().index(0, 1).data(Qt::DecorationRole).isNull());
}

TEST_F(Collection, FileListHasFiveColumnsWithTheirHeadersWidthsAndAlignments)
{
    const QStringList headers = {QStringLiteral("File"), QStringLiteral("Folder"), QStringLiteral("Size, bytes"),
                                 QStringLiteral("Modified"), QStringLiteral("Width x Height")};
    const int widths[] = {110, 250, 100, 110, 100};
    CFileListView* list = view()->fileList();
    ASSERT_EQ(collection().columnCount(), 5);
    // The given widths' proportions, widened as the system font asks.
    const double scale = double(list->columnWidth(0)) / widths[0];
    EXPECT_GE(scale, 1.0);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(collection().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), headers[column]);
        EXPECT_NEAR(list->columnWidth(column), widths[column] * scale, 3.0) << column; // rounding
        const auto alignment = collection().headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(bool(alignment & Qt::AlignRight), column >= 2) << column;
    }
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->iconSize(), QSize(16, 16));
}

// A photo turned or corrected makes its thumbnail again and tells its row,
// the row it holds now, after an earlier one was removed; a value it has
// already remakes nothing.
TEST_F(Collection, TurnedOrCorrectedPhoto_RemakesItsThumbnailAndTellsItsRow)
{
    loadPhotos(3);
    remove(0);
    CPhotoImage& photo = collection().photo(1);
    const QSize landscape = photo.GetSize();
    const std::uint8_t before = photo.pixels().row(20)[60];
    std::vector<int> changes; // the rows told
    QObject::connect(&collection(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& first) { changes.push_back(first.row()); });

    photo.turn(-90);
    EXPECT_EQ(changes, std::vector<int>{1});
    EXPECT_EQ(photo.corrections().rotation, 270);
    EXPECT_GT(photo.GetSize().height(), photo.GetSize().width()) << "was " << landscape.width() << "x" << landscape.height();
    EXPECT_EQ(cell(1, 4), QStringLiteral("%1 x %2").arg(photo.GetSourceSize().height()).arg(photo.GetSourceSize().width()));

    photo.setCorrections(photo.corrections());
    EXPECT_EQ(changes.size(), 1u);

    photo.setCorrections({.brightness = 60, .rotation = 0});
    EXPECT_EQ(changes, (std::vector<int>{1, 1}));
    EXPECT_EQ(photo.GetSize(), landscape);
    EXPECT_GT(photo.pixels().row(20)[60], before);
}

// The size is grouped by threes as everywhere, and not cut at 32 bits.
TEST_F(Collection, SizeOfBillionsOfBytesIsShownWhole)
{
    PhotoRecord record = PhotoRecord::Describe(QStringLiteral("/photos/a.jpg"));
    record.fileBytes = 4294967296u;
    ASSERT_TRUE(collection().append(std::move(record)));
    EXPECT_EQ(cell(0, 2), QStringLiteral("4 294 967 296"));
}

TEST_F(Collection, PhotoThatDoesNotLoadLeavesNoRow)
{
    PhotoRecord record;
    CPhotoProgressDlg* owner = view()->photoProgressDlg();
    EXPECT_EQ(PhotoRecord::Load(folder.writeJpeg(QStringLiteral("tall.jpg"), 250, 400), owner, record),
              PhotoRecord::Outcome::Skipped);
    EXPECT_EQ(PhotoRecord::Load(folder.path(QStringLiteral("missing.jpg")), owner, record),
              PhotoRecord::Outcome::Skipped);
    EXPECT_FALSE(collection().append(std::move(record)));
    EXPECT_EQ(collection().rowCount(), 0);
}

TEST_F(Collection, FirstPhotoIsCurrentAndSelectedAtOnce)
{
    for (const char* name : {"a.jpg", "b.jpg"}) {
        PhotoRecord record;
        ASSERT_EQ(PhotoRecord::Load(folder.writeJpeg(QString::fromUtf8(name), 640, 480), view()->photoProgressDlg(),
                                    record),
                  PhotoRecord::Outcome::Loaded);
        view()->collectionEditor().append(std::move(record));
        EXPECT_EQ(view()->state().currentIndex(), 0);
        EXPECT_TRUE(collection().photo(0).isSelected());
    }
    EXPECT_FALSE(collection().photo(1).isSelected());
}

TEST_F(Collection, RemovingTheOnlyPhotoReturnsToThePhotoList)
{
    loadPhotos(1);
    remove(0);
    EXPECT_EQ(collection().count(), 0);
    EXPECT_EQ(view()->state().currentIndex(), -1);
    EXPECT_EQ(view()->state().viewMode(), PhotoViewHost::PhotoListMode);
    EXPECT_FALSE(frame.commands()->action(ids::cmd::RemoveAll)->isEnabled());
}

TEST_F(Collection, RemovingARowSelectsTheRowAbove)
{
    loadPhotos(4);
    const QString third = collection().pathOf(2);
    const QString fourth = collection().pathOf(3);
    remove(3);
    EXPECT_EQ(collection().count(), 3);
    EXPECT_EQ(view()->fileList()->selectedRow(), 2);
    EXPECT_EQ(view()->state().currentIndex(), 2);
    EXPECT_EQ(collection().pathOf(2), third);
    EXPECT_FALSE(collection().containsPath(fourth));
}

TEST_F(Collection, RemovingRowZeroLeavesNoRowSelectedForRemovePhoto)
{
    loadPhotos(3);
    const QString second = collection().pathOf(1);
    view()->state().setCurrentIndex(2);
    remove(0);
    EXPECT_EQ(view()->fileList()->selectedRow(), -1);
    EXPECT_EQ(collection().pathOf(0), second);
    EXPECT_EQ(view()->state().currentIndex(), 1); // no longer below the count: the last photo
    frame.onCommand(ids::cmd::RemovePhoto); // no row selected: nothing to remove
    EXPECT_EQ(collection().count(), 2);

    view()->state().setCurrentIndex(0);
    remove(0);
    EXPECT_EQ(view()->state().currentIndex(), 0); // still reaches a photo: kept
    EXPECT_EQ(collection().count(), 1);
}

TEST_F(Collection, RemoveAllAsksFirstAndNoChangesNothing)
{
    loadPhotos(3);
    prompts.yesNoAnswers = {false};
    frame.onCommand(ids::cmd::RemoveAll);
    EXPECT_EQ(collection().count(), 3);
    EXPECT_EQ(view()->state().viewMode(), PhotoViewHost::FileListMode);
    EXPECT_EQ(prompts.messages(), QStringList{CollectionEditor::removeAllQuestion()});

    prompts.yesNoAnswers = {true};
    frame.onCommand(ids::cmd::RemoveAll);
    EXPECT_EQ(collection().count(), 0);
    EXPECT_EQ(view()->state().currentIndex(), -1);
    EXPECT_EQ(view()->state().viewMode(), PhotoViewHost::PhotoListMode);
    EXPECT_EQ(prompts.messages().last(), QStringLiteral("Remove all files from the list, are you sure?"));
}

TEST_F(Collection, ClickMarksTheClickedPhotoOnlyAndKeepsTheCurrentIndex)
{
    loadPhotos(3);
    view()->fileList()->selectRow(2);
    view()->collectionEditor().markSelectedRow();
    EXPECT_FALSE(collection().photo(0).isSelected());
    EXPECT_TRUE(collection().photo(2).isSelected());
    EXPECT_EQ(view()->state().currentIndex(), 0);

    view()->state().setLoading(true); // a click while loading is ignored
    view()->fileList()->selectRow(1);
    view()->collectionEditor().markSelectedRow();
    EXPECT_FALSE(collection().photo(1).isSelected());
    view()->state().setLoading(false);
}

// Keys in the list, a removal, the end of a load: the photo marked in the
// views is the selected row's, the one Remove photo takes next.
TEST_F(Collection, MarkFollowsTheListSelectionHoweverItMoves)
{
    const auto marked = [&] {
        QList<int> indexes;
        for (int i = 0; i < collection().count(); ++i)
            if (collection().photo(i).isSelected())
                indexes.append(i);
        return indexes;
    };
    loadPhotos(4);
    view()->fileList()->setFocus();
    for (int press = 0; press < 2; ++press) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(view()->fileList(), &down);
    }
    ASSERT_EQ(view()->fileList()->selectedRow(), 2);
    EXPECT_EQ(marked(), QList<int>{2});

    frame.onCommand(ids::cmd::RemovePhoto);
    EXPECT_EQ(marked(), QList<int>{1});
    remove(0);
    EXPECT_EQ(marked(), QList<int>{});
    EXPECT_FALSE(frame.commands()->action(ids::cmd::RemovePhoto)->isEnabled());
    EXPECT_FALSE(frame.commands()->action(ids::cmd::ViewPhoto)->isEnabled());

    load(folder.writeMany(QStringLiteral("more"), 1));
    EXPECT_EQ(marked(), QList<int>{0});
}

TEST_F(Collection, MoveOfTheCurrentPhotoMarksItsRowInSinglePhotoMode)
{
    loadPhotos(3);
    view()->state().setViewMode(PhotoViewHost::SinglePhotoMode);
    view()->state().setCurrentIndex(2);
    view()->collectionEditor().markCurrentPhoto();
    EXPECT_EQ(view()->fileList()->selectedRow(), 2);
    EXPECT_TRUE(collection().photo(2).isSelected());
    EXPECT_FALSE(collection().photo(0).isSelected());
}

} // namespace

// The collection keeps its own limit, whoever appends.
TEST(PhotoCollection, RefusesEveryPhotoPastItsCapacity)
{
    CPhotoCollection collection;
    for (int i = 0; i < CPhotoCollection::kCapacity; ++i)
        ASSERT_TRUE(collection.append(PhotoRecord::Describe(QStringLiteral("/photos/%1.jpg").arg(i))));
    EXPECT_TRUE(collection.isFull());
    EXPECT_FALSE(collection.append(PhotoRecord::Describe(QStringLiteral("/photos/one-more.jpg"))));
    EXPECT_EQ(collection.count(), CPhotoCollection::kCapacity);
    EXPECT_EQ(collection.rowCount(), CPhotoCollection::kCapacity);
    EXPECT_EQ(collection.pathOf(CPhotoCollection::kCapacity - 1), QStringLiteral("/photos/999.jpg"));
}
