// SPDX-License-Identifier: MIT
#include "imaging/CColorCorrectionDlg.h"

#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>

namespace cc = ids::colorCorrection;

CColorCorrectionDlg::CColorCorrectionDlg(CPhotoListView* singlePhotoView, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_singlePhotoView(singlePhotoView)
{
    WidgetId::set(this, ids::tmpl::ColorCorrection);
    setWindowTitle(tr("Color correction"));
    setModal(false);

    m_brightnessSlider = makeSlider(cc::Brightness);
    m_contrastSlider = makeSlider(cc::Contrast);
    m_brightnessValue = makeValueLabel(m_brightnessSlider, &CColorCorrectionDlg::storeBrightness);
    m_contrastValue = makeValueLabel(m_contrastSlider, &CColorCorrectionDlg::storeContrast);
    m_greyBox = new QCheckBox(tr("&Grey scale"), this);
    WidgetId::set(m_greyBox, cc::Grey);
    connect(m_greyBox, &QCheckBox::clicked, this, &CColorCorrectionDlg::storeGrey);

    auto* hideButton = new QPushButton(tr("&Hide"), this);
    WidgetId::set(hideButton, cc::Hide);
    hideButton->setDefault(true);
    connect(hideButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelButton = new QPushButton(tr("&Cancel"), this);
    WidgetId::set(cancelButton, cc::Cancel);
    cancelButton->setVisible(false); // Escape still cancels
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    auto* brightnessLabel = new QLabel(tr("&Brightness"), this);
    brightnessLabel->setBuddy(m_brightnessSlider);
    m_brightnessSlider->setAccessibleName(tr("Brightness"));
    auto* contrastLabel = new QLabel(tr("C&ontrast"), this);
    contrastLabel->setBuddy(m_contrastSlider);
    m_contrastSlider->setAccessibleName(tr("Contrast"));
    layout->addWidget(brightnessLabel, 0, 0);
    layout->addWidget(m_brightnessSlider, 0, 1, 1, 3);
    layout->addWidget(m_brightnessValue, 1, 1, 1, 3, Qt::AlignHCenter);
    layout->addWidget(contrastLabel, 2, 0);
    layout->addWidget(m_contrastSlider, 2, 1, 1, 3);
    layout->addWidget(m_contrastValue, 3, 1, 1, 3, Qt::AlignHCenter);
    layout->addWidget(m_greyBox, 4, 0, 1, 2);
    layout->addWidget(cancelButton, 4, 2);
    layout->addWidget(hideButton, 4, 3);
    layout->setColumnMinimumWidth(1, 280);
}

QSlider* CColorCorrectionDlg::makeSlider(int id)
{
    auto* slider = new QSlider(Qt::Horizontal, this);
    WidgetId::set(slider, id);
    slider->setRange(0, kSliderMaximum);
    slider->setValue(kSliderMiddle);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::StrongFocus);
    return slider;
}

// The correction a slider stands for, written under it, and stored in the
// photo whenever the slider comes to rest: at once for a key, the wheel or a
// click on the groove, when the mouse lets go of a dragged handle.
QLabel* CColorCorrectionDlg::makeValueLabel(QSlider* slider, void (CColorCorrectionDlg::*store)())
{
    auto* label = new QLabel(this);
    const auto showValue = [label](int position) {
        const int value = position - kSliderMiddle;
        label->setText(value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value));
    };
    showValue(slider->value());
    connect(slider, &QSlider::valueChanged, this, [this, slider, showValue, store](int position) {
        showValue(position);
        if (!slider->isSliderDown())
            (this->*store)();
    });
    connect(slider, &QSlider::sliderReleased, this, store);
    return label;
}

void CColorCorrectionDlg::done(int)
{
    hide();
}

// Shown again, the window stands where it stood: a desktop would otherwise
// place the window itself where its frame was, and it would creep by the frame.
void CColorCorrectionDlg::showEvent(QShowEvent* event)
{
    if (m_placedAt && !event->spontaneous())
        setGeometry(*m_placedAt); // the client area's place: the frame goes round it
    QDialog::showEvent(event);
    followCurrentPhoto();
    Q_EMIT shownChanged();
}

// The colour correction command is marked while this window is up.
void CColorCorrectionDlg::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        m_placedAt = geometry();
    QDialog::hideEvent(event);
    Q_EMIT shownChanged();
}

CPhotoImage* CColorCorrectionDlg::currentPhoto() const
{
    PhotoViewHost* host = m_singlePhotoView ? m_singlePhotoView->host() : nullptr;
    return host ? host->currentPhoto() : nullptr;
}

void CColorCorrectionDlg::followCurrentPhoto()
{
    const CPhotoImage* photo = currentPhoto();
    if (!photo)
        return;
    const snapwane::Corrections corrections = photo->corrections();
    m_brightnessSlider->setValue(corrections.brightness + kSliderMiddle);
    m_contrastSlider->setValue(corrections.contrast + kSliderMiddle);
    m_greyBox->setChecked(corrections.grey);
}

// The photo makes its copy again and tells the views; a value the photo
// already has (the window taking up a photo's values, a drag let go where it
// started) remakes nothing.
void CColorCorrectionDlg::storeBrightness()
{
    if (CPhotoImage* photo = currentPhoto()) {
        snapwane::Corrections corrections = photo->corrections();
        corrections.brightness = m_brightnessSlider->value() - kSliderMiddle;
        photo->setCorrections(corrections);
    }
}

void CColorCorrectionDlg::storeContrast()
{
    if (CPhotoImage* photo = currentPhoto()) {
        snapwane::Corrections corrections = photo->corrections();
        corrections.contrast = m_contrastSlider->value() - kSliderMiddle;
        photo->setCorrections(corrections);
    }
}

void CColorCorrectionDlg::storeGrey()
{
    if (CPhotoImage* photo = currentPhoto()) {
        snapwane::Corrections corrections = photo->corrections();
        corrections.grey = m_greyBox->isChecked();
        photo->setCorrections(corrections);
    }
}
