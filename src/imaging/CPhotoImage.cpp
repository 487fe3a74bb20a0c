// SPDX-License-Identifier: MIT
#include "imaging/CPhotoImage.h"

#include "imaging/CPhotoProgressDlg.h"
#include "core/Fitting.h"
#include "platform/NativePath.h"

#include <QImage>
#include <QPainter>
#include <QPaintDevice>
#include <QSizeF>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

namespace {

std::atomic<double> g_thumbnailPixelRatio{1.0};

// A box in painter pixels as device pixels, never more than the screen shows.
int devicePixels(int logical, qreal ratio)
{
    return static_cast<int>(std::floor(logical * ratio + 1e-6));
}

bool holdsPixels(int width, int height)
{
    return width > 0 && height > 0;
}

// A file that could not be read at all is refused before the object changes.
bool refusedBeforeDecoding(snapwane::PhotoCheck check)
{
    using snapwane::PhotoCheck;
    return check == PhotoCheck::CannotOpen || check == PhotoCheck::ReadError || check == PhotoCheck::Empty
        || check == PhotoCheck::TooLarge || check == PhotoCheck::NoMemory;
}

// The 16-bit display word in 5-6-5 form, built byte by byte.
quint16 toRgb565(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const unsigned high = (red & 0xF8u) + (green >> 5);
    const unsigned low = ((blue >> 3) + ((green & 0xFCu) << 3)) & 0xFFu;
    return static_cast<quint16>((high << 8) | low);
}

// The held pixels as an image laid out for a display of `depth` bits; a null
// image for any other depth (or when memory runs out).
QImage toDisplayImage(const snapwane::PixelBuffer& pixels, int depth, int width, int height)
{
    const QImage::Format format = depth == 32 ? QImage::Format_RGB32
        : depth == 24                         ? QImage::Format_BGR888
        : depth == 16                         ? QImage::Format_RGB16
                                              : QImage::Format_Invalid;
    if (format == QImage::Format_Invalid)
        return {};
    QImage image(width, height, format);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = pixels.row(y);
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x, source += 3) {
            if (depth == 32) {
                reinterpret_cast<QRgb*>(line)[x] = qRgb(source[0], source[1], source[2]);
            } else if (depth == 24) {
                line[3 * x] = source[2];
                line[3 * x + 1] = source[1];
                line[3 * x + 2] = source[0];
            } else {
                reinterpret_cast<quint16*>(line)[x] = toRgb565(source[0], source[1], source[2]);
            }
        }
    }
    return image;
}

} // namespace

CPhotoImage::~CPhotoImage()
{
    ReleasePixels();
}

bool CPhotoImage::LoadFromFile(const QString& path, int boxWidth, int boxHeight, snapwane::PhotoCheck* refusal)
{
    std::vector<std::uint8_t> bytes;
    const snapwane::PhotoFileCheck file = snapwane::CheckPhotoFile(NativePath::toFileSystem(path), &bytes);
    if (refusedBeforeDecoding(file.check)) {
        if (refusal)
            *refusal = file.check;
        return false;
    }
    showReadingPath(path);
    if (!LoadFromMemory(bytes, boxWidth, boxHeight, refusal))
        return false; // the small window keeps the path, as a sign of the failed file
    showReadingPath(QString());
    m_path = path;
    m_box = QSize(boxWidth, boxHeight);
    return true;
}

bool CPhotoImage::LoadFromMemory(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight,
                                 snapwane::PhotoCheck* refusal)
{
    snapwane::PhotoCheck check = snapwane::PhotoCheck::NotDecodable;
    bool loaded = false;
    try {
        loaded = loadFromMemory(jpeg, boxWidth, boxHeight, check);
    } catch (...) {
        m_pixels = {}; // a failed load holds no pixels
    }
    if (!loaded && refusal)
        *refusal = check == snapwane::PhotoCheck::Accepted ? snapwane::PhotoCheck::NotDecodable : check;
    return loaded;
}

bool CPhotoImage::loadFromMemory(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight,
                                 snapwane::PhotoCheck& check)
{
    m_heldWidth = m_heldHeight = 0;
    m_pixels = {};
    // The thumbnail box keeps its meaning (0 x 0) at ratio 1, where it is the
    // photo's own size for a small photo; at any ratio the box is never more
    // than the photo.
    const bool thumbnail = boxWidth == 0 && boxHeight == 0;
    const qreal ratio = thumbnail ? thumbnailPixelRatio() : m_devicePixelRatio;
    if (thumbnail && ratio != 1.0) {
        boxWidth = snapwane::kThumbnailBoxWidth;
        boxHeight = snapwane::kThumbnailBoxHeight;
    }
    if (ratio != 1.0) {
        boxWidth = devicePixels(boxWidth, ratio);
        boxHeight = devicePixels(boxHeight, ratio);
    }
    m_heldPixelRatio = ratio;
    snapwane::FittedPhoto photo = snapwane::LoadFittedPhoto(jpeg, boxWidth, boxHeight, corrections());
    check = photo.check;
    if (photo.check == snapwane::PhotoCheck::NotJpeg || photo.check == snapwane::PhotoCheck::TooSmall
        || photo.check == snapwane::PhotoCheck::Empty)
        return false;
    m_sourceWidth = photo.sourceWidth;
    m_sourceHeight = photo.sourceHeight;
    if (!photo.pixels)
        return false;
    m_pixels = std::move(photo.pixels);
    m_heldWidth = m_pixels.width();
    m_heldHeight = m_pixels.height();
    return holdsPixels(m_sourceWidth, m_sourceHeight);
}

bool CPhotoImage::Draw(QPainter& painter, int x, int y, int cx, int cy)
{
    if (m_pixels.empty())
        return false;
    const QPaintDevice* device = painter.device();
    const int depth = device ? device->depth() : 0;
    if (depth != 16 && depth != 24 && depth != 32)
        return false;
    // Never read past the held pixels, whatever size the caller asks for.
    const int width = std::clamp(cx, 0, m_pixels.width());
    const int height = std::clamp(cy, 0, m_pixels.height());
    if (width > 0 && height > 0) {
        QImage image = toDisplayImage(m_pixels, depth, width, height);
        image.setDevicePixelRatio(m_heldPixelRatio);
        if (!image.isNull())
            painter.drawImage(QPoint(x, y), image);
    }
    return true;
}

QSize CPhotoImage::GetSize() const
{
    if (!holdsPixels(m_heldWidth, m_heldHeight))
        return QSize(0, 0);
    return QSize(m_heldWidth, m_heldHeight);
}

QSize CPhotoImage::drawnSize() const
{
    return (QSizeF(GetSize()) / m_heldPixelRatio).toSize();
}

void CPhotoImage::setDevicePixelRatio(qreal ratio)
{
    m_devicePixelRatio = ratio > 0 ? ratio : 1.0;
}

void CPhotoImage::setThumbnailPixelRatio(qreal ratio)
{
    g_thumbnailPixelRatio.store(ratio > 0 ? ratio : 1.0, std::memory_order_relaxed);
}

qreal CPhotoImage::thumbnailPixelRatio()
{
    return g_thumbnailPixelRatio.load(std::memory_order_relaxed);
}

QSize CPhotoImage::GetSourceSize() const
{
    if (!holdsPixels(m_heldWidth, m_heldHeight))
        return QSize(0, 0);
    return QSize(m_sourceWidth, m_sourceHeight);
}

QSize CPhotoImage::GetShownSize() const
{
    const QSize source = GetSourceSize();
    return m_corrections.rotation % 180 != 0 ? source.transposed() : source;
}

QString CPhotoImage::GetDisplayName() const
{
    const qsizetype cut = std::max(m_path.lastIndexOf(u'/'), m_path.lastIndexOf(NativePath::separator()));
    const QString name = m_path.mid(cut + 1);
    if (name.size() >= kDisplayNameLength)
        return name.left(kDisplayNameLength) + QStringLiteral("...");
    return name;
}

void CPhotoImage::ReleasePixels()
{
    m_pixels = {};
}

void CPhotoImage::setCorrections(const snapwane::Corrections& corrections)
{
    if (corrections == m_corrections)
        return;
    m_corrections = corrections;
    if (m_path.isEmpty())
        return;
    // A reload that fails keeps the new values; the views show what they can.
    LoadFromFile(m_path, m_box.width(), m_box.height());
    if (m_observer)
        m_observer(*this);
}

void CPhotoImage::turn(int degrees)
{
    snapwane::Corrections turned = m_corrections;
    turned.rotation = ((turned.rotation + degrees) % 360 + 360) % 360;
    setCorrections(turned);
}

void CPhotoImage::showReadingPath(const QString& path) const
{
    if (m_owner)
        m_owner->SetCaption(path);
}
