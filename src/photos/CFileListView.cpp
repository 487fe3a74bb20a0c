// SPDX-License-Identifier: MIT
#include "photos/CFileListView.h"

#include "photos/CPhotoCollection.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>

#include <algorithm>
#include <cmath>

CFileListView::CFileListView(CPhotoCollection* collection, QWidget* parent)
    : QTreeView(parent)
{
    WidgetId::set(this, ids::FileListControl);
    setModel(collection);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setIconSize(QSize(16, 16));
    setFrameShape(QFrame::StyledPanel);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setColumnWidthsForFont();
}

// The given widths, in their proportions, made wide enough at this font for a
// camera's file name beside its icon and for a modification time.
void CFileListView::setColumnWidthsForFont()
{
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const QFontMetrics metrics(font());
    const struct
    {
        int column;
        int needed;
    } samples[] = {
        {CPhotoCollection::FileColumn,
         metrics.horizontalAdvance(QStringLiteral("dscn0000.jpg")) + iconSize().width() + 2 * margins},
        {CPhotoCollection::ModifiedColumn,
         metrics.horizontalAdvance(QStringLiteral("2000.00.00  00:00")) + margins},
    };
    double scale = 1.0;
    for (const auto& sample : samples)
        scale = std::max(scale, double(sample.needed) / CPhotoCollection::kColumnWidths[sample.column]);
    for (int column = 0; column < CPhotoCollection::ColumnCount; ++column)
        setColumnWidth(column, int(std::ceil(CPhotoCollection::kColumnWidths[column] * scale)));
}

int CFileListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CFileListView::selectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CFileListView::clearRowSelection()
{
    selectionModel()->clear();
}
