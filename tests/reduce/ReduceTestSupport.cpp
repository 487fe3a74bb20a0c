#include "ReduceTestSupport.h"

#include "core/JpegCodec.h"
#include "core/PhotoRules.h"
#include "platform/NativePath.h"
#include "reduce/CWizStep2Dlg.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <vector>

namespace reducetest {

bool writePhoto(const QString& path, int width, int height, int quality)
{
    std::vector<std::uint8_t> pixels(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
            p[0] = std::uint8_t(x * 255 / width);
            p[1] = std::uint8_t(y * 255 / height);
            p[2] = std::uint8_t((x + y) % 256);
        }
    }
    const auto jpeg = snapwane::JpegCodec::Encode(pixels.data(), width, height, 3, quality);
    QFile file(path);
    if (!jpeg || !file.open(QIODevice::WriteOnly))
        return false;
    return file.write(reinterpret_cast<const char*>(jpeg->data()), qint64(jpeg->size())) == qint64(jpeg->size());
}

QSize photoSize(const QString& path)
{
    const snapwane::PhotoFileCheck check = snapwane::CheckPhotoFile(NativePath::toFileSystem(path));
    if (check.width <= 0 || check.height <= 0)
        return {-1, -1};
    return {check.width, check.height};
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool processEventsUntil(const std::function<bool()>& done)
{
    QDeadlineTimer bound(60000);
    while (!done()) {
        if (bound.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

ScopedHome::ScopedHome()
    : m_previous(qgetenv("HOME"))
{
    qputenv("HOME", QFile::encodeName(m_folder.path()));
}

ScopedHome::~ScopedHome()
{
    qputenv("HOME", m_previous);
}

QString ScopedHome::datedFolder() const
{
    return m_folder.path() + QStringLiteral("/Photos/") + CWizStep2Dlg::todayText();
}

} // namespace reducetest
