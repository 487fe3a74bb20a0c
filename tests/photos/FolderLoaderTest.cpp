// SPDX-License-Identifier: MIT
// The search and loading passes over a folder tree, with a recording sink in
// place of the collection and scripted answers to the subfolder question.
#include "FolderTreeSupport.h"
#include "photos/CPhotoCollection.h"
#include "photos/FolderLoader.h"
#include "platform/NativePath.h"
#include "support/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif


namespace {

const QString kSubfolderQuestion = QStringLiteral("Would you like to include all subdirectories?");

struct RecordingSink : FolderLoader::Sink
{
    bool stop = false;
    int stopAfterEntries = -1; // the stop flag turns on after this many polls
    int polls = 0;
    int startCount = 0;
    FolderLoader::AppendOutcome outcome = FolderLoader::AppendOutcome::Appended;
    QStringList paths, folders, names, fileLines;
    QList<int> positions;

    bool isStopRequested() override
    {
        ++polls;
        if (stopAfterEntries >= 0 && polls >= stopAfterEntries)
            stop = true;
        return stop;
    }
    void requestStop() override { stop = true; }
    void showFound(int position, const QString& fileLine) override
    {
        positions.append(position);
        fileLines.append(fileLine);
    }
    FolderLoader::AppendOutcome append(const QString& path, const QString& folder, const QString& name) override
    {
        paths.append(path);
        folders.append(folder);
        names.append(name);
        return outcome;
    }
    int photoCount() override { return startCount + int(names.size()); }
    void passOver(const QString& path, const QString& reason) override { passedOver.append(path + ": " + reason); }

    QStringList passedOver;
};

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class FolderLoaderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        root = NativePath::toNative(m_dir.path());
        FolderTreeSupport::makeThreePlusTwo(root, QStringLiteral("sub"), {"p1.jpg", "p2.jpg", "p3.jpg"},
                                            [](const QString& path) { touch(path); });
    }

    // Runs both passes as the folder load does; returns the search count.
    int loadTree(FolderLoader& loader, const QString& folder)
    {
        loader.beginPass();
        loader.CountPhotosInFolder(folder);
        const int found = loader.foundCount();
        loader.beginPass();
        loader.LoadPhotosFromFolder(folder);
        return found;
    }

    QTemporaryDir m_dir;
    QString root;
    RecordingSink sink;
    ScriptedPrompts prompts;
};

TEST_F(FolderLoaderTest, AnsweredNo_LoadsTheFolderOnlyAndAsksOnce)
{
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("other")));
    touch(root + QStringLiteral("/other/r.jpg"));
    prompts.yesNoAnswers = {false};
    FolderLoader loader(sink);

    EXPECT_EQ(loadTree(loader, root), 6);
    EXPECT_EQ(sink.names.size(), 3);
    EXPECT_TRUE(loader.subfoldersDeclined());
    EXPECT_EQ(prompts.messages(), QStringList{kSubfolderQuestion});
}

TEST_F(FolderLoaderTest, AnsweredYes_LoadsSubfoldersWhereTheyAreMet)
{
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("sub/deeper")));
    touch(root + QStringLiteral("/sub/deeper/r.jpg"));
    prompts.yesNoAnswers = {true};
    FolderLoader loader(sink);

    EXPECT_EQ(loadTree(loader, root), 6);
    EXPECT_EQ(sink.names, FolderTreeSupport::nameOrder(root));
    EXPECT_EQ(sink.positions, (QList<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(prompts.messages(), QStringList{kSubfolderQuestion});
}

// A camera's card, made in an order unlike the names': photos by name, a
// folder's own before its subfolders', and a collection with room for two more
// takes the first two by name, whatever order the file system keeps.
TEST_F(FolderLoaderTest, CameraCard_TakenByNameAndFullCollectionTakesTheFirstNames)
{
    QTemporaryDir dir;
    const QString card = NativePath::toNative(dir.path());
    for (const char* folder : {"DCIM/101CAM", "DCIM/100CAM"})
        ASSERT_TRUE(QDir(card).mkpath(QLatin1String(folder)));
    for (const char* name : {"DCIM/e.jpg", "DCIM/101CAM/IMG_0003.JPG", "DCIM/C.JPG", "DCIM/100CAM/IMG_0002.JPG",
                             "DCIM/a.jpg", "DCIM/100CAM/IMG_0001.JPG", "DCIM/b.jpg"})
        touch(card + u'/' + QLatin1String(name));
    prompts.yesNoAnswers = {true};
    FolderLoader loader(sink);

    EXPECT_EQ(loadTree(loader, card), 7);
    EXPECT_EQ(sink.names, (QStringList{"a.jpg", "b.jpg", "c.jpg", "e.jpg", "img_0001.jpg", "img_0002.jpg",
                                       "img_0003.jpg"}));
    EXPECT_EQ(sink.folders.last(), card + "/DCIM/101CAM");

    RecordingSink nearlyFull;
    nearlyFull.startCount = CPhotoCollection::kCapacity - 2;
    FolderLoader fillingUp(nearlyFull);
    fillingUp.beginPass();
    fillingUp.LoadPhotosFromFolder(card + "/DCIM");
    EXPECT_EQ(nearlyFull.names, (QStringList{"a.jpg", "b.jpg"}));
}

TEST_F(FolderLoaderTest, Names_ListedLowerCaseButReadByTheirRealName)
{
    QTemporaryDir dir;
    const QString folder = NativePath::toNative(dir.path());
    for (const char* name : {"A.JPG", "b.Jpeg", "c.jpe", "d.jpg.txt", ".jpg"})
        touch(folder + u'/' + QLatin1String(name));
    FolderLoader loader(sink);

    EXPECT_EQ(loadTree(loader, folder), 2);
    QStringList names = sink.names;
    names.sort();
    EXPECT_EQ(names, (QStringList{"a.jpg", "b.jpeg"}));
    for (int i = 0; i < sink.names.size(); ++i) {
        EXPECT_EQ(sink.folders[i], folder);
        EXPECT_EQ(sink.fileLines[i], NativePath::join(folder, sink.names[i]));
        EXPECT_TRUE(QFile::exists(sink.paths[i])) << sink.paths[i].toStdString();
    }
}

TEST_F(FolderLoaderTest, StopDuringSearch_EndsTheCountEarly)
{
    sink.stopAfterEntries = 1;
    FolderLoader loader(sink);
    loader.beginPass();
    loader.CountPhotosInFolder(root);
    EXPECT_LT(loader.foundCount(), 5);
}

TEST_F(FolderLoaderTest, StopDuringLoad_LetsTheFileInHandFinish)
{
    prompts.yesNoAnswers = {true};
    sink.stopAfterEntries = 2; // the first poll is on entering the folder
    FolderLoader loader(sink);
    loader.beginPass();
    loader.LoadPhotosFromFolder(root);
    EXPECT_LE(sink.names.size(), 2);
    EXPECT_TRUE(sink.stop);
}

TEST_F(FolderLoaderTest, NoMemory_EndsTheLoadAtThatPhoto)
{
    prompts.yesNoAnswers = {true};
    sink.outcome = FolderLoader::AppendOutcome::Stop;
    FolderLoader loader(sink);
    loadTree(loader, root);
    EXPECT_EQ(sink.names.size(), 1);
    EXPECT_TRUE(sink.stop);
}

TEST_F(FolderLoaderTest, FullCollection_SaysSoOnceAndTakesNothing)
{
    sink.startCount = CPhotoCollection::kCapacity;
    FolderLoader loader(sink);
    loadTree(loader, root);
    EXPECT_TRUE(sink.names.isEmpty());
    EXPECT_EQ(prompts.messages(), QStringList{"You cannot load more than 1000 files"});
}

TEST_F(FolderLoaderTest, MissingFolder_LoadsNothing)
{
    FolderLoader loader(sink);
    EXPECT_EQ(loadTree(loader, root + QStringLiteral("/missing")), 0);
    EXPECT_TRUE(sink.names.isEmpty());
    EXPECT_TRUE(prompts.log.isEmpty());
}

// The batch reducer's tests take the same tree: both take exactly these photos.
// No linked folder is followed, a link back to an ancestor neither.
TEST_F(FolderLoaderTest, LinkedFoldersAndOddNames_TakeTheBatchReducersPhotos)
{
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    const fs::path scratch = dir.path().toStdString();
    // The name in bytes that are not UTF-8 cannot be told to Qt: the folder
    // listing leaves it out, and the batch reducer refuses it.
    for (const char* name : {"outside/c.jpg", "tree/a.jpg", "tree/\xc4\xb0STANBUL.JPG", "tree/caf\xe9.jpg",
                             "tree/sub/b.jpg"}) {
        fs::create_directories((scratch / name).parent_path());
        std::ofstream(scratch / name) << "photo";
    }
    fs::create_symlink("missing.jpg", scratch / "tree/gone.jpg");
    fs::create_symlink("loop.jpg", scratch / "tree/loop.jpg");
    fs::create_directory_symlink("../..", scratch / "tree/sub/up");
    fs::create_directory_symlink("sub", scratch / "tree/inside");
    prompts.yesNoAnswers = {true};
    FolderLoader loader(sink);

    const QString tree = QString::fromStdString((scratch / "tree").string());
    EXPECT_EQ(loadTree(loader, tree), 6);
    // The links to nothing are taken as the batch reducer takes them: reading
    // them refuses them with a reason. The name that is not UTF-8 is refused here.
    QStringList names = sink.names;
    names.sort();
    EXPECT_EQ(names, (QStringList{"a.jpg", "b.jpg", "gone.jpg", "istanbul.jpg", "loop.jpg"}));
    EXPECT_EQ(sink.passedOver, QStringList{tree + "/caf\\xe9.jpg: file name not valid UTF-8"});
}

} // namespace
