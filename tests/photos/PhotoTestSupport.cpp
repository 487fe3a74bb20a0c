#include "PhotoTestSupport.h"

#include "core/JpegCodec.h"
#include "core/PixelBuffer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace phototest {

std::vector<std::uint8_t> MakeJpeg(int width, int height, int channels)
{
    snapwane::PixelBuffer pixels = snapwane::PixelBuffer::Allocate(width, height, channels);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = pixels.row(y);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                row[x * channels + c] = static_cast<std::uint8_t>((x * (c + 1) + y * (3 - c)) / 8);
    }
    auto stream = snapwane::JpegCodec::Encode(pixels, 85);
    EXPECT_TRUE(stream.has_value()) << width << " x " << height;
    return stream.value_or(std::vector<std::uint8_t>{});
}

PhotoFolder::PhotoFolder()
{
    EXPECT_TRUE(m_dir.isValid());
}

QString PhotoFolder::path(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QString PhotoFolder::write(const QString& name, const std::vector<std::uint8_t>& bytes) const
{
    const QString file = path(name);
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return file;
}

QString PhotoFolder::writeJpeg(const QString& name, int width, int height, int channels) const
{
    return write(name, MakeJpeg(width, height, channels));
}

QStringList PhotoFolder::writeMany(const QString& prefix, int count) const
{
    const std::vector<std::uint8_t> photo = MakeJpeg(320, 240);
    QStringList files;
    for (int i = 0; i < count; ++i)
        files.append(write(QStringLiteral("%1%2.jpg").arg(prefix).arg(i, 4, 10, QLatin1Char('0')), photo));
    return files;
}

bool WaitUntil(const std::function<bool()>& condition)
{
    const QDeadlineTimer guard(60'000);
    while (!condition()) {
        if (guard.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1); // let the workers run
    }
    return true;
}

} // namespace phototest
