// SPDX-License-Identifier: MIT
// Native separators and the root rule: a root folder never gets a doubled separator.
#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

#ifndef Q_OS_WIN
TEST(NativePath, JoinsWithOneSeparatorAlsoAtTheRoot)
{
    struct Row
    {
        const char* folder;
        const char* name;
        const char* joined;
    };
    const Row rows[] = {
        {"/", "a.jpg", "/a.jpg"},
        {"/home/ann/photos", "a.jpg", "/home/ann/photos/a.jpg"},
        {"/media/camera", "DCIM", "/media/camera/DCIM"},
        {"/photos with space", "ü b.jpg", "/photos with space/ü b.jpg"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NativePath::join(QString::fromUtf8(row.folder), QString::fromUtf8(row.name)),
                  QString::fromUtf8(row.joined));
}

TEST(NativePath, FolderColumnEndsWithOneSeparator)
{
    EXPECT_EQ(NativePath::withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(NativePath::withTrailingSeparator(QStringLiteral("/photos")), QStringLiteral("/photos/"));
    EXPECT_FALSE(NativePath::isRoot(QStringLiteral("/photos")));
    EXPECT_FALSE(NativePath::isRoot(QString()));
}

// As snapwane-reduce finds it: ~/Pictures, or the folder the desktop's user-dirs.dirs names.
TEST(NativePath, DefaultOutputBaseIsThePicturesFolder)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const QString plain = NativePath::defaultOutputBase();
    QDir(home.path()).mkpath(QStringLiteral(".config"));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    dirs.close();
    const QString named = NativePath::defaultOutputBase();
    qputenv("HOME", oldHome);
    if (!oldConfig.isNull())
        qputenv("XDG_CONFIG_HOME", oldConfig);

    EXPECT_EQ(plain, home.path() + QStringLiteral("/Pictures"));
    EXPECT_EQ(named, home.path() + QStringLiteral("/Bilder"));
}
#endif

} // namespace
