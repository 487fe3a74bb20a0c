// SPDX-License-Identifier: MIT
#include "support/QtTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace snapwane::test {

bool WriteJpeg(const QString& path, const PixelBuffer& pixels, int quality)
{
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(pixels, quality);
    QFile file(path);
    return !jpeg.empty() && file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char*>(jpeg.data()), qint64(jpeg.size())) == qint64(jpeg.size());
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
    return write(name, MakeJpeg(width, height, channels, 85));
}

QStringList PhotoFolder::writeMany(const QString& prefix, int count) const
{
    const std::vector<std::uint8_t> photo = MakeJpeg(320, 240, 3, 85);
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

} // namespace snapwane::test
