#include "reduce/CViewPhotoSizesDlg.h"

#include "core/FileIo.h"
#include "core/Fitting.h"
#include "core/PhotoRules.h"
#include "platform/NativePath.h"
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
    , m_corrections(corrections)
{
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
    return {(m_clientSize.width() - m_photo.width()) / 2, (m_clientSize.height() - m_photo.height()) / 2};
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
    loadPhoto();
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

void CViewPhotoSizesDlg::loadPhoto()
{
    std::vector<std::uint8_t> bytes;
    if (snapwane::ReadWholeFile(NativePath::toFileSystem(m_photoPath), bytes, snapwane::kLargestPhotoFileBytes)
        != snapwane::FileStatus::Ok)
        return;
    const snapwane::FittedPhoto fitted
        = snapwane::LoadFittedPhoto(bytes, m_clientSize.width(), m_clientSize.height(), m_corrections);
    const snapwane::PixelBuffer& pixels = fitted.pixels;
    if (fitted.check != snapwane::PhotoCheck::Accepted || pixels.empty() || pixels.channels() != 3)
        return;
    m_photo = QImage(pixels.data(), pixels.width(), pixels.height(), int(pixels.rowBytes()), QImage::Format_RGB888)
                  .copy();
}

void CViewPhotoSizesDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_photo.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(photoOrigin(), m_photo);
}
