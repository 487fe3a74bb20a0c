#pragma once
// Helpers of the photo tests: JPEG files made in a temporary folder, and
// waiting on a condition while the GUI thread keeps working.
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <vector>

namespace phototest {

// A smooth colour pattern (3 channels) or grey ramp (1 channel) as JPEG.
std::vector<std::uint8_t> MakeJpeg(int width, int height, int channels = 3);

class PhotoFolder
{
public:
    PhotoFolder();
    QString path(const QString& name) const;
    // Writes bytes under name and returns the full path.
    QString write(const QString& name, const std::vector<std::uint8_t>& bytes) const;
    QString writeJpeg(const QString& name, int width, int height, int channels = 3) const;
    // The same 320 x 240 photo under count names "prefix0001.jpg" ...
    QStringList writeMany(const QString& prefix, int count) const;

private:
    QTemporaryDir m_dir;
};

// Processes events until condition holds; false if it never did within a
// minute (a hang guard, not a timing check).
bool WaitUntil(const std::function<bool()>& condition);

} // namespace phototest
