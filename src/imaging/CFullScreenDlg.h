#pragma once
#include <QDialog>

class CPhotoListView;

// The black window that covers the whole screen while the current photo is shown
// full screen. Created hidden by CMainView and kept for its whole life; the
// drawing and the mouse and key handling come with the full-screen work.
// GUI thread only.
class CFullScreenDlg : public QDialog
{
    Q_OBJECT

public:
    CFullScreenDlg(CPhotoListView* keyTarget, QWidget* parent);

    CPhotoListView* keyTarget() const { return m_keyTarget; }

private:
    CPhotoListView* m_keyTarget; // not owned, may be null
};
