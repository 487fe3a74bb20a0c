#include "reduce/CViewPhotoSizesDlg.h"

#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QPainter>
#include <QPushButton>
#include <QWindow>

CViewPhotoSizesDlg::CViewPhotoSizesDlg(QSize box, const QString& photoPath, const snapwane::Corrections& corrections,
                                       QWidget* parent)
    : QDialog(parent)
    , m_box(box)
    , m_photoPath(photoPath)
{
    m_photo.m_brightness = corrections.brightness;
    m_photo.m_contrast = corrections.contrast;
    m_photo.m_grey = corrections.grey ? 1 : 0;
    m_photo.m_rotation = corrections.rotation;
    WidgetId::set(this, ids::tmpl::PhotoSizes);
    auto* closeButton = new QPushButton(tr("Close"), this);
    WidgetId::set(closeButton, ids::photoSizes::Close);
    closeButton->move(0, 0);
    closeButton->adjustSize();
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    resize(box);
}

QPoint CViewPhotoSizesDlg::photoOrigin() const
{
    const QSize photo = m_photo.GetSize();
    return {(m_clientSize.width() - photo.width()) / 2, (m_clientSize.height() - photo.height()) / 2};
}

// The window is placed and the photo loaded once, when it first appears: only
// then does the frame the desktop adds have a size.
void CViewPhotoSizesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    placeAtTopLeft();
    m_clientSize = size();
    // Fitted, turned and corrected exactly as a thumbnail, never enlarged.
    m_photo.LoadFromFile(m_photoPath, m_clientSize.width(), m_clientSize.height());
    setWindowTitle(QStringLiteral("%1 x %2").arg(m_clientSize.width()).arg(m_clientSize.height()));
    update();
}

// The outer size, frame and caption included, is the box: the client area is
// the box less the frame.
void CViewPhotoSizesDlg::placeAtTopLeft()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize client(std::max(1, m_box.width() - frame.left() - frame.right()),
                       std::max(1, m_box.height() - frame.top() - frame.bottom()));
    setFixedSize(client);
    move(0, 0); // a top-level window's position is that of its frame
}

void CViewPhotoSizesDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    const QSize photo = m_photo.GetSize();
    QPainter painter(this);
    m_photo.Draw(painter, photoOrigin().x(), photoOrigin().y(), photo.width(), photo.height());
}
