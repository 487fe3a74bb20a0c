#pragma once
// Photos on disk for the view tests, made with the engine's encoder.
#include <QColor>
#include <QString>

namespace ViewTestSupport {

// Writes a w x h JPEG of one colour; false when it could not be written.
bool writeJpeg(const QString& path, int width, int height, QColor colour = QColor(200, 120, 40));

} // namespace ViewTestSupport

#include <functional>

namespace ViewTestSupport {

// Processes events until condition holds; false if it never did within a
// generous bound (a hang guard, not a timing check).
bool waitUntil(const std::function<bool()>& condition);

} // namespace ViewTestSupport
