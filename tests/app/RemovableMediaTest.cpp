// SPDX-License-Identifier: MIT
// "Load from camera" opens the folder browser where removable media are mounted.
#include "platform/RemovableMedia.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

#ifndef Q_OS_WIN
TEST(RemovableMedia, CameraFolderIsTheFirstMountPlaceThatExists)
{
    struct Row
    {
        const char* name;
        QStringList folders; // made under the test's root
        const char* expected; // under the root; nullptr: the home folder
    };
    const Row rows[] = {
        {"all three", {"run/media/ann", "media/ann", "media"}, "run/media/ann"},
        {"another user's only", {"run/media/bob", "media/ann"}, "media/ann"},
        {"shared media only", {"media"}, "media"},
        {"none", {"mnt"}, nullptr},
    };
    for (const Row& row : rows) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        for (const QString& folder : row.folders)
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        const QString expected = row.expected ? root.path() + u'/' + QLatin1String(row.expected) : QDir::homePath();
        EXPECT_EQ(RemovableMedia::cameraFolder(root.path(), QStringLiteral("ann")), expected) << row.name;
    }
}
#endif

} // namespace
