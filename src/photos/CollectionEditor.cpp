#include "photos/CollectionEditor.h"

#include "app/CMainView.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "platform/GuiThreadCall.h"
#include "platform/Prompts.h"

#include <memory>

const QString CollectionEditor::kRemoveAllQuestion = QStringLiteral("Remove all files from the list, are you sure?");

bool CollectionEditor::appendFromWorker(CMainView& view, PhotoRecord& record)
{
    auto handed = std::make_shared<PhotoRecord>(std::move(record));
    return GuiThreadCall::call<bool>([&view, handed] {
               return view.collectionEditor().append(std::move(*handed));
           }).value_or(false);
}

CollectionEditor::AppendAnswer CollectionEditor::appendFileFromWorker(CMainView& view, const QString& path,
                                                                      const QString& noMemoryMessage)
{
    PhotoRecord record;
    switch (PhotoRecord::Load(path, &view, record)) {
    case PhotoRecord::Outcome::Loaded:
        return appendFromWorker(view, record) ? AppendAnswer::Appended : AppendAnswer::Stop;
    case PhotoRecord::Outcome::NoMemory:
        Prompts::inform(noMemoryMessage);
        return AppendAnswer::Stop;
    case PhotoRecord::Outcome::Skipped: break;
    }
    return AppendAnswer::Skipped;
}

bool CollectionEditor::append(PhotoRecord record)
{
    CPhotoCollection& collection = m_view.collection();
    if (!collection.append(std::move(record)))
        return false;
    if (collection.count() == 1) {
        collection.photo(0).m_selected = 1;
        m_view.setCurrentIndex(0);
    } else {
        m_view.notifyStateChanged();
    }
    return true;
}

void CollectionEditor::removeSelected()
{
    CFileListView* list = m_view.fileList();
    const int removed = list->selectedRow();
    if (removed < 0)
        return;
    CPhotoCollection& collection = m_view.collection();
    collection.remove(removed);
    const int above = removed - 1;
    if (above >= 0) {
        list->selectRow(above);
        m_view.setCurrentIndex(above);
    } else {
        list->clearRowSelection();
        if (m_view.currentIndex() >= collection.count())
            m_view.setCurrentIndex(collection.count() - 1);
    }
    if (collection.count() == 0)
        afterEmptied();
    m_view.notifyStateChanged();
    m_view.update();
}

void CollectionEditor::removeAll()
{
    if (!Prompts::askYesNo(kRemoveAllQuestion))
        return;
    m_view.collection().releaseAll();
    afterEmptied();
    m_view.update();
}

void CollectionEditor::afterEmptied()
{
    m_view.setCurrentIndex(-1);
    m_view.setViewMode(CMainView::PhotoListMode);
    m_view.photoListView()->ResetLayout();
}

void CollectionEditor::markSelectedRow()
{
    if (m_view.isLoading())
        return;
    markOnly(m_view.fileList()->selectedRow());
}

void CollectionEditor::markCurrentPhoto()
{
    if (m_view.areViewsBusy() || m_view.viewMode() != CMainView::SinglePhotoMode)
        return;
    const int current = m_view.currentIndex();
    markOnly(current);
    if (current >= 0 && current < m_view.collection().count())
        m_view.fileList()->selectRow(current);
}

void CollectionEditor::selectFirstRow()
{
    if (m_view.collection().count() == 0)
        return;
    m_view.fileList()->selectRow(0);
    m_view.setCurrentIndex(0);
}

// Index -1 (or any index outside the collection) leaves no photo marked.
void CollectionEditor::markOnly(int index)
{
    CPhotoCollection& collection = m_view.collection();
    for (int i = 0; i < collection.count(); ++i)
        collection.photo(i).m_selected = i == index ? 1 : 0;
    m_view.photoListView()->viewport()->update();
}
