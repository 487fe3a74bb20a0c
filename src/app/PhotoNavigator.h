// SPDX-License-Identifier: MIT
#pragma once
#include <QBasicTimer>
#include <QObject>

#include "imaging/PhotoViewHost.h"

class CMainView;
class MainViewState;

// The single-photo mode's moves: viewing the selected photo, moving the
// current photo, turning it, full screen, and the slide show with its clock.
// GUI thread only.
class PhotoNavigator : public QObject
{
    Q_OBJECT

public:
    PhotoNavigator(CMainView& view, MainViewState& state);

    // The selected row's photo in the single-photo mode.
    void viewPhoto();
    // Moves the current photo in the single-photo mode, then selects its row,
    // repaints it, marks it and lets an open colour correction follow; false
    // when the move does not apply.
    bool moveCurrentPhoto(PhotoViewHost::PhotoMove move);
    // Turns the current photo clockwise by degrees (a multiple of 90).
    void rotateCurrentPhoto(int degrees);
    void showFullScreen();
    // One tick of the slide-show clock.
    void onSlideShowTick();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void restartSlideShowClock();

    CMainView& m_view;
    MainViewState& m_state;
    QBasicTimer m_slideShowTimer;
};
