// SPDX-License-Identifier: MIT
#include "reduce/CViewPhotoSizesDlg.h"

#include "platform/LocaleFormat.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSizeF>
#include <QTimer>
#include <QWindow>

CViewPhotoSizesDlg::CViewPhotoSizesDlg(QSize box, const QString& photoPath, const snapwane::Corrections& corrections,
                                       QWidget* parent)
    : QDialog(parent)
    , m_box(box)
    , m_photoPath(photoPath)
{
    m_photo.setCorrections(corrections);
    WidgetId::set(this, ids::tmpl::PhotoSizes);
    m_closeButton = new QPushButton(tr("&Close"), this);
    WidgetId::set(m_closeButton, ids::photoSizes::Close);
    m_closeButton->adjustSize();
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // The caption names the box the user chose, not what the frame leaves of it.
    setWindowTitle(LocaleFormat::dimensions(box.width(), box.height()));
    resize(box);
}

QSize CViewPhotoSizesDlg::photoArea() const
{
    const int strip = m_closeButton->height() + 2 * kButtonMargin;
    return {m_clientSize.width(), std::max(1, m_clientSize.height() - strip)};
}

QPoint CViewPhotoSizesDlg::photoOrigin() const
{
    const QSize photo = m_photo.drawnSize();
    return {(photoArea().width() - photo.width()) / 2, (photoArea().height() - photo.height()) / 2};
}

void CViewPhotoSizesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitFrameToBox();
}

// A desktop frames a new window only after it appears, and then moves it: the
// window is fitted again once the frame is known.
void CViewPhotoSizesDlg::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    if (isVisible())
        QTimer::singleShot(0, this, &CViewPhotoSizesDlg::fitFrameToBox);
}

// The frame's size may be known only once the desktop has activated the window.
void CViewPhotoSizesDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible())
        QTimer::singleShot(0, this, &CViewPhotoSizesDlg::fitFrameToBox);
}

// The outer size, frame and caption included, is the box at the screen's top
// left, in the screen's own pixels, so that a photo of that size shows as the
// recipient sees it (on a high-DPI screen the window is smaller in the
// desktop's units): the client area is the box less the frame. The photo is
// fitted into the client area above the Close button's strip (again whenever
// that changes) exactly as a thumbnail is made, never enlarged, one photo pixel
// on each screen pixel, so the button never covers it.
void CViewPhotoSizesDlg::fitFrameToBox()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    // A box larger than the screen (No change is 5000 x 5000) gets what the
    // desktop leaves free, so the whole window and the photo stay in sight.
    const QRect available = screen() ? screen()->availableGeometry() : QRect(QPoint(0, 0), m_box);
    const qreal ratio = devicePixelRatioF();
    const QSize boxOnScreen = (QSizeF(m_box) / ratio).toSize();
    const QSize outer = boxOnScreen.boundedTo(available.size());
    const QSize client(std::max(1, outer.width() - frame.left() - frame.right()),
                       std::max(1, outer.height() - frame.top() - frame.bottom()));
    // A top-level window's position is that of its frame. It is asked for once
    // per place and frame: a desktop that puts the window elsewhere, or a user
    // who drags it, has the last word (asking on every move never ends under a
    // window manager that refuses the spot).
    const Placement placement{available.topLeft(), frame};
    if (placement != m_askedPlacement) {
        m_askedPlacement = placement;
        if (frameGeometry().topLeft() != available.topLeft())
            move(available.topLeft());
    }
    if (client == m_clientSize)
        return;
    setFixedSize(client);
    m_clientSize = client;
    const QSize area = photoArea();
    m_closeButton->move((client.width() - m_closeButton->width()) / 2, area.height() + kButtonMargin);
    m_photo.setDevicePixelRatio(ratio);
    m_photo.LoadFromFile(m_photoPath, area.width(), area.height());
    update();
}

void CViewPhotoSizesDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    const QSize photo = m_photo.GetSize();
    QPainter painter(this);
    m_photo.Draw(painter, photoOrigin().x(), photoOrigin().y(), photo.width(), photo.height());
}
