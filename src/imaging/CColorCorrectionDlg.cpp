#include "imaging/CColorCorrectionDlg.h"

#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
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
    m_greyBox = new QCheckBox(tr("Grey scale"), this);
    WidgetId::set(m_greyBox, cc::Grey);
    connect(m_greyBox, &QCheckBox::clicked, this, &CColorCorrectionDlg::storeGrey);

    auto* hideButton = new QPushButton(tr("Hide"), this);
    WidgetId::set(hideButton, cc::Hide);
    hideButton->setDefault(true);
    connect(hideButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    WidgetId::set(cancelButton, cc::Cancel);
    cancelButton->setVisible(false); // Escape still cancels
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Brightness"), this), 0, 0);
    layout->addWidget(m_brightnessSlider, 0, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("0 "), this), 1, 1, 1, 3, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Contrast"), this), 2, 0);
    layout->addWidget(m_contrastSlider, 2, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("0 "), this), 3, 1, 1, 3, Qt::AlignHCenter);
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
    slider->installEventFilter(this);
    return slider;
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

// A slider stores its value when the mouse lets go of it: a drag or a click
// on its groove, never a keyboard move on its own.
bool CColorCorrectionDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_brightnessSlider)
            storeBrightness();
        else if (watched == m_contrastSlider)
            storeContrast();
    }
    return QDialog::eventFilter(watched, event);
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
    m_brightnessSlider->setValue(photo->m_brightness + kSliderMiddle);
    m_contrastSlider->setValue(photo->m_contrast + kSliderMiddle);
    m_greyBox->setChecked(photo->m_grey != 0);
}

void CColorCorrectionDlg::storeBrightness()
{
    if (CPhotoImage* photo = currentPhoto()) {
        photo->m_brightness = m_brightnessSlider->value() - kSliderMiddle;
        reloadCurrentPhoto(*photo);
    }
}

void CColorCorrectionDlg::storeContrast()
{
    if (CPhotoImage* photo = currentPhoto()) {
        photo->m_contrast = m_contrastSlider->value() - kSliderMiddle;
        reloadCurrentPhoto(*photo);
    }
}

void CColorCorrectionDlg::storeGrey()
{
    if (CPhotoImage* photo = currentPhoto()) {
        photo->m_grey = m_greyBox->isChecked() ? 1 : 0;
        reloadCurrentPhoto(*photo);
    }
}

void CColorCorrectionDlg::reloadCurrentPhoto(CPhotoImage& photo)
{
    // A reload that fails keeps the stored value; the view shows what it can.
    photo.LoadFromFile(photo.GetPath(), 0, 0);
    if (m_singlePhotoView)
        m_singlePhotoView->repaintSinglePhoto();
}
