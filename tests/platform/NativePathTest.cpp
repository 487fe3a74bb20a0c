// Native separators and the root rule: a root folder never gets a doubled separator.
#include "platform/NativePath.h"

#include <QDir>

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

TEST(NativePath, DefaultOutputBaseIsPhotosInTheHomeFolder)
{
    EXPECT_EQ(NativePath::defaultOutputBase(), QDir::homePath() + QStringLiteral("/Photos"));
}
#endif

} // namespace
