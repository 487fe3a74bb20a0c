// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class CPhotoListView;

// The black, frameless, topmost window that covers the whole screen while the
// current photo is shown full screen. The single-photo view draws the photo
// into it, fitted into the screen and centred; this window hides everything
// behind the photo, ends the full-screen display on a click with either button,
// and hands every key to the single-photo view, so the navigation keys and
// Escape keep working. Created hidden by CMainView and kept for its whole life.
// GUI thread only.
class CFullScreenDlg : public QDialog
{
    Q_OBJECT

public:
    CFullScreenDlg(CPhotoListView* keyTarget, QWidget* parent);

    CPhotoListView* keyTarget() const { return m_keyTarget; }

    // Covers the screen of the parent window and takes the keyboard.
    void showOverScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CPhotoListView* m_keyTarget; // not owned, may be null
};
