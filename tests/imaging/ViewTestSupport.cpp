#include "ViewTestSupport.h"

#include "core/FileIo.h"
#include "core/JpegCodec.h"
#include "core/PixelBuffer.h"

#include <QFile>

namespace ViewTestSupport {

bool writeJpeg(const QString& path, int width, int height, QColor colour)
{
    snapwane::PixelBuffer pixels = snapwane::PixelBuffer::Allocate(width, height, 3);
    if (pixels.empty())
        return false;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels.data()[i] = std::uint8_t(colour.red());
        pixels.data()[i + 1] = std::uint8_t(colour.green());
        pixels.data()[i + 2] = std::uint8_t(colour.blue());
    }
    const auto jpeg = snapwane::JpegCodec::Encode(pixels, 90);
    if (!jpeg)
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char*>(jpeg->data()), qint64(jpeg->size())) == qint64(jpeg->size());
}

} // namespace ViewTestSupport

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace ViewTestSupport {

bool waitUntil(const std::function<bool()>& condition)
{
    QElapsedTimer guard;
    guard.start();
    while (!condition()) {
        if (guard.elapsed() > 30000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

} // namespace ViewTestSupport
