// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Where a camera's drive shows up: the folder under which removable media are
// mounted, for "Load from camera" to open the folder browser in.
namespace RemovableMedia
{
// Elsewhere than Windows the first of ROOT/run/media/USER, ROOT/media/USER and
// ROOT/media that is a folder (ROOT is "/" but for tests; USER is $USER, or the
// home folder's name when that is unset); the home folder when none is. On
// Windows the home folder.
QString cameraFolder(const QString& root = QStringLiteral("/"), const QString& user = QString());
} // namespace RemovableMedia
