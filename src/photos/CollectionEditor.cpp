// SPDX-License-Identifier: MIT
#include "photos/CollectionEditor.h"

#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "photos/CPhotoCollection.h"
#include "photos/CollectionHost.h"
#include "platform/GuiThreadCall.h"
#include "platform/Prompts.h"

#include <algorithm>
#include <memory>

QString CollectionEditor::removeAllQuestion()
{
    return tr("Remove all files from the list, are you sure?");
}

bool CollectionEditor::appendFromWorker(PhotoRecord& record, std::function<void(int count)> shown)
{
    auto handed = std::make_shared<PhotoRecord>(std::move(record));
    return GuiThreadCall::call<bool>([this, handed, shown = std::move(shown)] {
               if (!append(std::move(*handed)))
                   return false;
               if (shown)
                   shown(m_host.collection().count());
               return true;
           })
        .value_or(false);
}

bool CollectionEditor::append(PhotoRecord record)
{
    CPhotoCollection& collection = m_host.collection();
    if (!collection.append(std::move(record)))
        return false;
    if (collection.count() == 1) {
        collection.photo(0).setSelected(true);
        m_host.setCurrentIndex(0);
    } else {
        m_host.notifyStateChanged();
    }
    return true;
}

void CollectionEditor::removeSelected()
{
    CFileListView* list = m_host.fileList();
    const int removed = list->selectedRow();
    if (removed < 0)
        return;
    CPhotoCollection& collection = m_host.collection();
    collection.remove(removed);
    const int above = removed - 1;
    if (above >= 0) {
        list->selectRow(above);
        m_host.setCurrentIndex(above);
    } else if (m_host.viewMode() == PhotoViewHost::SinglePhotoMode && collection.count() > 0) {
        // The photo that moved up into the removed one's place is the one on
        // the screen, so it is the one the next command acts on.
        const int shown = std::min(m_host.currentIndex(), collection.count() - 1);
        list->selectRow(shown);
        m_host.setCurrentIndex(shown);
    } else {
        list->clearRowSelection();
        if (m_host.currentIndex() >= collection.count())
            m_host.setCurrentIndex(collection.count() - 1);
    }
    if (collection.count() == 0)
        afterEmptied();
    m_host.notifyStateChanged();
    m_host.redraw();
}

void CollectionEditor::removeAll()
{
    if (!Prompts::askYesNo(removeAllQuestion()))
        return;
    m_host.collection().releaseAll();
    afterEmptied();
    m_host.redraw();
}

void CollectionEditor::afterEmptied()
{
    m_host.setCurrentIndex(-1);
    m_host.setViewMode(PhotoViewHost::PhotoListMode);
    m_host.photoListView()->ResetLayout();
}

void CollectionEditor::markSelectedRow()
{
    if (m_host.isLoading())
        return;
    markOnly(m_host.fileList()->selectedRow());
}

void CollectionEditor::markCurrentPhoto()
{
    if (m_host.areViewsBusy() || m_host.viewMode() != PhotoViewHost::SinglePhotoMode)
        return;
    const int current = m_host.currentIndex();
    markOnly(current);
    if (current >= 0 && current < m_host.collection().count())
        m_host.fileList()->selectRow(current);
}

void CollectionEditor::selectFirstRow()
{
    if (m_host.collection().count() == 0)
        return;
    m_host.fileList()->selectRow(0);
    m_host.setCurrentIndex(0);
}

void CollectionEditor::focusFirstRow()
{
    m_host.fileList()->setFocus();
    selectFirstRow();
}

// Index -1 (or any index outside the collection) leaves no photo marked. The
// grid is redrawn only when a mark changed: a click on a cell has already set
// its marks and redrawn just their frames.
void CollectionEditor::markOnly(int index)
{
    CPhotoCollection& collection = m_host.collection();
    bool changed = false;
    for (int i = 0; i < collection.count(); ++i) {
        const bool selected = i == index;
        changed = changed || collection.photo(i).isSelected() != selected;
        collection.photo(i).setSelected(selected);
    }
    if (changed)
        m_host.photoListView()->viewport()->update();
}
