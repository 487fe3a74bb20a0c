// SPDX-License-Identifier: MIT
#include "app/PhotoNavigator.h"

#include "app/CMainView.h"
#include "app/MainViewState.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "res/ids.h"

#include <QTimerEvent>

namespace {
using PhotoMove = PhotoViewHost::PhotoMove;

// The index a move leads to, or -1 when that move does not apply here.
int targetOfMove(PhotoMove move, int current, int count)
{
    switch (move) {
    case PhotoMove::First:
        return 0;
    case PhotoMove::Previous:
        return current > 0 && current < count ? current - 1 : -1;
    case PhotoMove::Next:
        return current >= 0 && current < count - 1 ? current + 1 : -1;
    case PhotoMove::Last:
        return current >= 0 && current < count - 1 ? count - 1 : -1;
    }
    return -1;
}
} // namespace

PhotoNavigator::PhotoNavigator(CMainView& view, MainViewState& state)
    : m_view(view)
    , m_state(state)
{
    m_slideShowTimer.start(ids::SlideShowPeriodMs, this);
    // The clock starts again with the show, so that its first step comes a
    // whole period after the start, wherever the clock stood.
    connect(&m_state, &MainViewState::slideShowStarted, this, &PhotoNavigator::restartSlideShowClock);
}

void PhotoNavigator::restartSlideShowClock()
{
    m_slideShowTimer.start(ids::SlideShowPeriodMs, this);
}

void PhotoNavigator::viewPhoto()
{
    const int mark = m_view.fileList()->selectedRow();
    if (m_view.collection().count() == 0 || mark < 0)
        return;
    m_state.setCurrentIndex(mark);
    m_state.setViewMode(PhotoViewHost::SinglePhotoMode);
    m_view.singlePhotoView()->setFocus();
    m_view.singlePhotoView()->repaintSinglePhoto();
}

bool PhotoNavigator::moveCurrentPhoto(PhotoMove move)
{
    const int count = m_view.collection().count();
    if (m_state.viewMode() != PhotoViewHost::SinglePhotoMode || count == 0 || m_state.isLoading())
        return false;
    const int target = targetOfMove(move, m_state.currentIndex(), count);
    if (target < 0)
        return false;
    m_state.setCurrentIndex(target);
    m_view.fileList()->selectRow(target);
    m_view.singlePhotoView()->repaintSinglePhoto();
    m_view.singlePhotoView()->SyncSelection();
    // An open colour correction takes up the new photo's values where it
    // stands, leaving the keyboard where the user is.
    if (m_view.colorCorrectionDlg()->isVisible())
        m_view.colorCorrectionDlg()->followCurrentPhoto();
    return true;
}

void PhotoNavigator::rotateCurrentPhoto(int degrees)
{
    // The photo's row and the views that draw it follow the turn.
    if (CPhotoImage* photo = m_view.currentPhoto())
        photo->turn(degrees);
}

void PhotoNavigator::showFullScreen()
{
    if (m_state.viewMode() == PhotoViewHost::SinglePhotoMode)
        m_view.fullScreenDlg()->showOverScreen();
}

// One step of the slide show: the next photo. The last photo stays up for a
// whole step like the others; the tick after it ends the show and closes the
// full screen. Outside the single-photo mode the show waits.
void PhotoNavigator::onSlideShowTick()
{
    if (!m_state.isSlideShow() || m_state.viewMode() != PhotoViewHost::SinglePhotoMode)
        return;
    if (m_state.currentIndex() >= m_view.collection().count() - 1) {
        m_view.fullScreenDlg()->hide();
        m_state.setSlideShow(false);
        return;
    }
    moveCurrentPhoto(PhotoMove::Next);
}

void PhotoNavigator::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_slideShowTimer.timerId())
        onSlideShowTick();
    else
        QObject::timerEvent(event);
}
