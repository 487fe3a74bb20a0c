// SPDX-License-Identifier: MIT
// Files and folders dropped onto the main window or named on the command line:
// they load as "Load photos" and "Load from folder" load chosen ones, in the
// order given, and a drop while the program loads or reduces does nothing.
#include "FolderTreeSupport.h"
#include "LoaderFixture.h"

#include "app/CPhotoApp.h"
#include "photos/PathLoadJob.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

namespace {

const QString kSubfolderQuestion = QStringLiteral("Would you like to include all subdirectories?");

class PathLoad : public LoaderFixture
{
protected:
    // A drag that enters the window and is dropped there, as the desktop sends it;
    // returns whether the window took the drop.
    bool drop(const QStringList& paths, bool* entered = nullptr)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        const QPoint centre = frame.rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &enter);
        if (entered)
            *entered = enter.isAccepted();
        QDropEvent dropped(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &dropped);
        return dropped.isAccepted();
    }

    // A folder "tree" with x.jpg and a subfolder "sub" with q1.jpg and q2.jpg.
    QString makeTree()
    {
        const QString tree = folder.path(QStringLiteral("tree"));
        std::filesystem::create_directories((tree + QStringLiteral("/sub")).toStdString());
        folder.writeJpeg(QStringLiteral("tree/x.jpg"), 320, 240);
        folder.writeJpeg(QStringLiteral("tree/sub/q1.jpg"), 320, 240);
        folder.writeJpeg(QStringLiteral("tree/sub/q2.jpg"), 320, 240);
        return tree;
    }
};

TEST_F(PathLoad, DroppedFilesAndFolder_LoadInTheOrderGivenWithNoDialogAndOneWordOnRefusedFiles)
{
    const QString first = folder.writeJpeg(QStringLiteral("First.jpg"), 640, 480);
    const QString tree = makeTree();
    const QString notes = folder.write(QStringLiteral("notes.txt"), {'h', 'i'});
    const QString last = folder.writeJpeg(QStringLiteral("last.jpeg"), 640, 480);
    prompts.yesNoAnswers = {true};

    bool entered = false;
    EXPECT_TRUE(drop({first, tree, notes, last}, &entered));
    EXPECT_TRUE(entered);
    waitForTheEnd();

    QStringList expected = {QStringLiteral("first.jpg")};
    expected += FolderTreeSupport::nameOrder(tree, true);
    expected += QStringLiteral("last.jpeg");
    EXPECT_EQ(names(), expected);
    // The folder's question, then one message on the file left out: no file dialog, no folder browser.
    EXPECT_EQ(prompts.log, (QStringList{QStringLiteral("yesno: ") + kSubfolderQuestion,
                                        "inform: 1 file was not loaded:\n\n" + notes + ": not a JPEG photo or damaged"}));
    EXPECT_EQ(collection().pathOf(0), first); // the real name is what is read
    EXPECT_EQ(recorder.captions.last(), QStringLiteral("READY"));
}

TEST_F(PathLoad, FolderDroppedAndSubfoldersDeclined_LoadsItsOwnPhotosOnly)
{
    const QString tree = makeTree();
    prompts.yesNoAnswers = {false};

    EXPECT_TRUE(drop({tree}));
    waitForTheEnd();

    EXPECT_EQ(names(), QStringList{QStringLiteral("x.jpg")});
}

TEST_F(PathLoad, DropWhileLoadingOrReducing_IsRefusedAndNothingHappens)
{
    const QString photo = folder.writeJpeg(QStringLiteral("a.jpg"), 640, 480);
    for (const bool reducing : {false, true}) {
        SCOPED_TRACE(reducing ? "reducing" : "loading");
        reducing ? view()->state().setReducing(true) : view()->state().setLoading(true);
        bool entered = true;
        EXPECT_FALSE(drop({photo}, &entered));
        EXPECT_FALSE(entered);
        EXPECT_FALSE(view()->worker().isRunning());
        reducing ? view()->state().setReducing(false) : view()->state().setLoading(false);
    }
    EXPECT_EQ(collection().count(), 0);
    EXPECT_TRUE(prompts.log.isEmpty());
}

TEST_F(PathLoad, DropOfNothingLocal_IsRefused)
{
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_FALSE(view()->state().isLoading());
}

// The loading state holds from the first load to the last: a second drop in
// between finds the program busy.
TEST_F(PathLoad, SecondDropDuringASequenceOfLoads_IsRefused)
{
    prompts.yesNoAnswers = {true};
    const QString tree = makeTree();
    const QString photo = folder.writeJpeg(QStringLiteral("a.jpg"), 640, 480);
    const QString other = folder.writeJpeg(QStringLiteral("other.jpg"), 640, 480);

    ASSERT_TRUE(frame.openPaths({photo, tree, photo}));
    ASSERT_TRUE(snapwane::test::WaitUntil([&] {
        if (!view()->worker().isRunning())
            return true;
        // Idle only once the last load has ended: a, x, q1 and q2 are in.
        if (!view()->state().isLoading()) {
            EXPECT_EQ(collection().count(), 4);
        }
        EXPECT_FALSE(drop({other}));
        return false;
    }));
    waitForTheEnd();

    EXPECT_FALSE(names().contains(QStringLiteral("other.jpg")));
    EXPECT_EQ(names().count(QStringLiteral("a.jpg")), 1); // the second naming is a duplicate
}

TEST(PathLoadPlan, ConsecutiveFilesMakeOneLoadAndEachFolderItsOwn)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("photos")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());

    const auto loads = PathLoadJob::plan({QStringLiteral("a.jpg"), QStringLiteral("photos/"), QStringLiteral("b.jpg"),
                                          QStringLiteral("./c.jpg"), QString()});
    QDir::setCurrent(previous);

    ASSERT_EQ(loads.size(), 3u);
    EXPECT_FALSE(loads[0].isFolder);
    EXPECT_EQ(loads[0].paths, QStringList{root.filePath(QStringLiteral("a.jpg"))});
    EXPECT_TRUE(loads[1].isFolder);
    EXPECT_EQ(loads[1].paths, QStringList{root.filePath(QStringLiteral("photos"))});
    EXPECT_EQ(loads[2].paths,
              (QStringList{root.filePath(QStringLiteral("b.jpg")), root.filePath(QStringLiteral("c.jpg"))}));
}

TEST(StartArguments, PathsUntilAndAfterTheDoubleDash_UnknownOptionsRefused_HelpAndVersionWin)
{
    using Start = CPhotoApp::StartArguments;
    auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("snapwane"));
        return CPhotoApp::parseArguments(arguments);
    };
    const Start paths = parse({QStringLiteral("a.jpg"), QStringLiteral("photos"), QStringLiteral("--"),
                               QStringLiteral("-odd.jpg"), QStringLiteral("--help")});
    EXPECT_EQ(paths.action, Start::Run);
    EXPECT_EQ(paths.paths, (QStringList{QStringLiteral("a.jpg"), QStringLiteral("photos"),
                                        QStringLiteral("-odd.jpg"), QStringLiteral("--help")}));

    const Start unknown = parse({QStringLiteral("a.jpg"), QStringLiteral("--bogus")});
    EXPECT_EQ(unknown.action, Start::Refused);
    EXPECT_TRUE(unknown.error.contains(QLatin1String("bogus"))) << unknown.error.toStdString();
    // Qt's own options are taken with their values, and "-reverse" is not -r -e -v...
    const Start qtOptions = parse({QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-reverse"),
                                   QStringLiteral("a.jpg")});
    EXPECT_EQ(qtOptions.action, Start::Run);
    EXPECT_EQ(qtOptions.paths, QStringList{QStringLiteral("a.jpg")});
    EXPECT_FALSE(qtOptions.verbose);
    const Start verbose = parse({QStringLiteral("--verbose"), QStringLiteral("a.jpg")});
    EXPECT_EQ(verbose.action, Start::Run);
    EXPECT_TRUE(verbose.verbose);
    EXPECT_EQ(verbose.paths, QStringList{QStringLiteral("a.jpg")});

    EXPECT_EQ(parse({QStringLiteral("-h")}).action, Start::Help);
    EXPECT_EQ(parse({QStringLiteral("--bogus"), QStringLiteral("--version")}).action, Start::Version);
    EXPECT_EQ(parse({QStringLiteral("-v")}).action, Start::Version);
}

} // namespace
