// SPDX-License-Identifier: MIT
#pragma once
#include <QTreeView>

class CPhotoCollection;

// The file list (child 1014): the collection shown in report style, one row
// per photo with its 16 x 16 file-type icon, single selection of whole rows,
// the selection shown even without the focus. GUI thread only.
class CFileListView : public QTreeView
{
    Q_OBJECT

public:
    CFileListView(CPhotoCollection* collection, QWidget* parent);

    // The selected row, or -1 when no row is selected.
    int selectedRow() const;
    // Makes row the selected and focused (current) row of the list.
    void selectRow(int row);
    // No row selected afterwards.
    void clearRowSelection();

private:
    void setColumnWidthsForFont();
};
