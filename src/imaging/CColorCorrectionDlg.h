// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QRect>

#include <optional>

class CPhotoImage;
class CPhotoListView;
class QCheckBox;
class QLabel;
class QSlider;

// Modeless window for the brightness, contrast and grey-scale corrections of the
// current photo. Each change is stored in the photo at once, its thumbnail is
// remade from its file and the single-photo view repainted: there is no preview,
// no undo and no apply step. A slider stores its value when it comes to rest
// (a key, the wheel, a click on its groove, the mouse letting go of the handle)
// and shows the correction it stands for under it; the grey box stores when clicked.
// Hide and Cancel only hide the window. Created hidden by CMainView and kept for
// its whole life. GUI thread only.
class CColorCorrectionDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kSliderMaximum = 127;
    static constexpr int kSliderMiddle = 63; // no correction

    CColorCorrectionDlg(CPhotoListView* singlePhotoView, QWidget* parent);

    CPhotoListView* singlePhotoView() const { return m_singlePhotoView; }

    // Hide (Enter) and Cancel (Escape) keep every correction made.
    void done(int result) override;

    // Shows the current photo's corrections; called when the current photo
    // moves while the window is open.
    void followCurrentPhoto();

Q_SIGNALS:
    // The window was shown or hidden: the colour correction command's mark follows it.
    void shownChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QSlider* makeSlider(int id);
    QLabel* makeValueLabel(QSlider* slider, void (CColorCorrectionDlg::*store)());
    CPhotoImage* currentPhoto() const;
    void storeBrightness();
    void storeContrast();
    void storeGrey();

    CPhotoListView* m_singlePhotoView; // not owned
    QSlider* m_brightnessSlider = nullptr; // 1013
    QSlider* m_contrastSlider = nullptr;   // 1011
    QCheckBox* m_greyBox = nullptr;        // 1029
    QLabel* m_brightnessValue = nullptr;   // the correction, under its slider
    QLabel* m_contrastValue = nullptr;
    std::optional<QRect> m_placedAt;       // the client area when last hidden
};
