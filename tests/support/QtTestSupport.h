// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the program's tests: photo files in a temporary folder, waiting
// on a condition while the GUI thread keeps working, and QString printed as
// text when a comparison fails.
#include "core/PixelBuffer.h"
#include "support/TestJpeg.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

QT_BEGIN_NAMESPACE
// Found by googletest through the argument's namespace.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace snapwane::test {

// Writes pixels as a JPEG file; false when it could not be written.
bool WriteJpeg(const QString& path, const PixelBuffer& pixels, int quality = 90);

class PhotoFolder
{
public:
    PhotoFolder();
    QString path(const QString& name) const;
    // Writes bytes under name and returns the full path.
    QString write(const QString& name, const std::vector<std::uint8_t>& bytes) const;
    // MakeJpeg at quality 85 under name.
    QString writeJpeg(const QString& name, int width, int height, int channels = 3) const;
    // The same 320 x 240 photo under count names "prefix0001.jpg" ...
    QStringList writeMany(const QString& prefix, int count) const;

private:
    QTemporaryDir m_dir;
};

// Processes events until condition holds; false if it never did within a
// minute (a hang guard, not a timing check).
bool WaitUntil(const std::function<bool()>& condition);

} // namespace snapwane::test
