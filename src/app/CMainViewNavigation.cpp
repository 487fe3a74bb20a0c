// CMainView: view photo, moving the current photo, rotation, full screen and
// the slide show of the single-photo mode.
#include "app/CMainView.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"

CPhotoImage& CMainView::photo(int index) const
{
    return m_collection.photo(index);
}

CPhotoImage* CMainView::currentPhoto() const
{
    return m_currentIndex >= 0 && m_currentIndex < photoCount() ? &m_collection.photo(m_currentIndex) : nullptr;
}

void CMainView::onViewPhoto()
{
    const int mark = m_fileList->selectedRow();
    if (photoCount() == 0 || mark < 0)
        return;
    m_currentIndex = mark;
    setViewMode(SinglePhotoMode);
    m_singlePhotoView->setFocus();
    m_singlePhotoView->repaintSinglePhoto();
}

void CMainView::onFirstPhoto()
{
    moveCurrentPhoto(PhotoMove::First);
}

void CMainView::onPreviousPhoto()
{
    moveCurrentPhoto(PhotoMove::Previous);
}

void CMainView::onNextPhoto()
{
    moveCurrentPhoto(PhotoMove::Next);
}

void CMainView::onLastPhoto()
{
    moveCurrentPhoto(PhotoMove::Last);
}

// The index a move leads to, or -1 when that move does not apply here.
static int targetOfMove(CMainView::PhotoMove move, int current, int count)
{
    switch (move) {
    case CMainView::PhotoMove::First:
        return 0;
    case CMainView::PhotoMove::Previous:
        return current > 0 && current < count ? current - 1 : -1;
    case CMainView::PhotoMove::Next:
        return current >= 0 && current < count - 1 ? current + 1 : -1;
    case CMainView::PhotoMove::Last:
        return current >= 0 && current < count - 1 ? count - 1 : -1;
    }
    return -1;
}

bool CMainView::moveCurrentPhoto(PhotoMove move)
{
    if (m_viewMode != SinglePhotoMode || photoCount() == 0 || isLoading())
        return false;
    const int target = targetOfMove(move, m_currentIndex, photoCount());
    if (target < 0)
        return false;
    m_currentIndex = target;
    m_fileList->selectRow(target);
    m_singlePhotoView->repaintSinglePhoto();
    m_singlePhotoView->SyncSelection();
    // An open colour correction takes up the new photo's values where it
    // stands, leaving the keyboard where the user is.
    if (m_colorCorrectionDlg->isVisible())
        m_colorCorrectionDlg->followCurrentPhoto();
    notifyStateChanged();
    return true;
}

void CMainView::onRotateLeft()
{
    rotateCurrentPhoto(-90);
}

void CMainView::onRotateRight()
{
    rotateCurrentPhoto(90);
}

void CMainView::rotateCurrentPhoto(int degrees)
{
    CPhotoImage* photo = currentPhoto();
    if (!photo)
        return;
    photo->m_rotation = ((photo->m_rotation + degrees) % 360 + 360) % 360;
    // The thumbnail is made again from the file, turned and corrected.
    photo->LoadFromFile(photo->GetPath(), 0, 0);
    m_collection.photoChanged(m_currentIndex); // the row's size follows the turn
    m_singlePhotoView->repaintSinglePhoto();
}

void CMainView::onFullScreen()
{
    if (m_viewMode == SinglePhotoMode)
        m_fullScreenDlg->showOverScreen();
}

// One step of the slide show: the next photo. The last photo stays up for a
// whole step like the others; the tick after it ends the show and closes the
// full screen. Outside the single-photo mode the show waits.
void CMainView::onSlideShowTick()
{
    if (!m_slideShow || m_viewMode != SinglePhotoMode)
        return;
    if (m_currentIndex >= photoCount() - 1) {
        m_fullScreenDlg->hide();
        setSlideShow(false);
        return;
    }
    moveCurrentPhoto(PhotoMove::Next);
}
