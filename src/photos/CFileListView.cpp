#include "photos/CFileListView.h"

#include "photos/CPhotoCollection.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QHeaderView>
#include <QItemSelectionModel>

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
    for (int column = 0; column < CPhotoCollection::ColumnCount; ++column)
        setColumnWidth(column, CPhotoCollection::kColumnWidths[column]);
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
