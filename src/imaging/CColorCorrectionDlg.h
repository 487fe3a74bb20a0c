#pragma once
#include <QDialog>

class CPhotoListView;

// Modeless window for the brightness, contrast and grey-scale corrections of the
// current photo. Created hidden by CMainView and kept for its whole life; shown
// and hidden by the colour correction command. Its controls come with the
// colour correction work. GUI thread only.
class CColorCorrectionDlg : public QDialog
{
    Q_OBJECT

public:
    CColorCorrectionDlg(CPhotoListView* singlePhotoView, QWidget* parent);

    CPhotoListView* singlePhotoView() const { return m_singlePhotoView; }

private:
    CPhotoListView* m_singlePhotoView; // not owned
};
