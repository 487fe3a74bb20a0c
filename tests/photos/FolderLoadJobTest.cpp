// SPDX-License-Identifier: MIT
// Loading a folder tree through commands 131 and 164, end to end: the folder
// browser, the subfolder question and Stop answered by script, real photos.
#include "FolderTreeSupport.h"
#include "app/CMainView.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "photos/CFileProgressDlg.h"
#include "photos/CPhotoCollection.h"
#include "photos/FileLoader.h"
#include "photos/FolderLoadJob.h"
#include "photos/LoadRun.h"
#include "photos/PathLoadJob.h"
#include "photos/PhotoRecord.h"
#include "platform/GuiThreadCall.h"
#include "platform/RemovableMedia.h"
#include "platform/NativePath.h"
#include "res/ids.h"
#include "support/ScriptedPrompts.h"

#include "core/Threads.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <thread>
#include <new>
#include <memory>

namespace {

const QString kSubfolderQuestion = QStringLiteral("Would you like to include all subdirectories?");

void writePhoto(const QString& path)
{
    ASSERT_TRUE(snapwane::test::WriteJpeg(path, snapwane::test::MakeFilled(320, 240, 128, 128, 128), 75));
}

class FolderLoadJobTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = NativePath::toNative(m_dir.path());
        for (const char* name : {"p1.jpg", "P2.JPG", "p3.Jpeg"})
            writePhoto(m_root + u'/' + QLatin1String(name));
        ASSERT_TRUE(QDir(m_root).mkdir(QStringLiteral("Sub")));
        for (const char* name : {"q1.jpg", "q2.jpg"})
            writePhoto(m_root + QStringLiteral("/Sub/") + QLatin1String(name));
        m_view = std::make_unique<CMainView>();
    }

    void TearDown() override
    {
        m_view.reset();
        QCoreApplication::processEvents();
    }

    // Runs the command and waits until the load has ended.
    void load(int command = ids::cmd::LoadFolder)
    {
        ASSERT_TRUE(m_view->commands().onCommand(command));
        waitForTheEnd();
    }

    void waitForTheEnd()
    {
        ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !m_view->state().isLoading() && !m_view->worker().isRunning(); }))
            << "the load never ended";
        QCoreApplication::processEvents();
    }

    QStringList listedNames() const
    {
        QStringList names;
        for (int i = 0; i < m_view->collection().count(); ++i)
            names.append(m_view->collection().record(i).name);
        return names;
    }

    QTemporaryDir m_dir;
    QString m_root;
    std::unique_ptr<CMainView> m_view;
    ScriptedPrompts m_prompts;
};

// Records how many rows the list holds when the subfolder question shows.
class RowCountingPrompts : public ScriptedPrompts
{
public:
    explicit RowCountingPrompts(const CMainView& view) : m_view(view) {}
    int rowsAtQuestion = -1;

protected:
    bool showYesNo(const QString& text) override
    {
        rowsAtQuestion = m_view.collection().count();
        return ScriptedPrompts::showYesNo(text);
    }

private:
    const CMainView& m_view;
};

TEST_F(FolderLoadJobTest, AnsweredYes_PhotosReadAheadOnSeveralThreadsAppendInNameOrder)
{
    for (int i = 0; i < 12; ++i)
        writePhoto(m_root + QStringLiteral("/r%1.jpg").arg(i));
    for (int i = 0; i < 4; ++i)
        writePhoto(m_root + QStringLiteral("/Sub/s%1.jpg").arg(i));
    ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("Sub/Deeper")));
    for (int i = 0; i < 6; ++i)
        writePhoto(m_root + QStringLiteral("/Sub/Deeper/d%1.jpg").arg(i));
    RowCountingPrompts prompts(*m_view);
    prompts.folderAnswers = {m_root};
    prompts.yesNoAnswers = {true};
    ASSERT_TRUE(FolderLoadJob::start(m_view->loadHost(), 4));
    waitForTheEnd();
    EXPECT_EQ(listedNames(), FolderTreeSupport::nameOrder(m_root, true));
    EXPECT_EQ(prompts.rowsAtQuestion, 15); // the folder's own photos all appended before its subfolders
    EXPECT_EQ(prompts.messages(), QStringList{kSubfolderQuestion});
    EXPECT_EQ(m_view->state().currentIndex(), 0);
    EXPECT_EQ(m_view->fileList()->selectedRow(), 0);
    EXPECT_EQ(m_view->fileProgressDlg()->windowTitle(), CFileProgressDlg::readyCaption());
    EXPECT_FALSE(m_view->fileProgressDlg()->isVisible());
}

// Under a thread limit the worker starts but no helper does: the photos are
// read on the worker itself and the load still ends; with no thread at all the
// command does nothing and leaves the program ready for the next one.
TEST_F(FolderLoadJobTest, ThreadsThatCannotStart_LoadOnFewerThreadsOrNotAtAll)
{
    for (int i = 0; i < 6; ++i)
        writePhoto(m_root + QStringLiteral("/r%1.jpg").arg(i));
    m_prompts.folderAnswers = {m_root};
    m_prompts.yesNoAnswers = {true};
    snapwane::FailThreadStartsAfter(1);
    ASSERT_TRUE(FolderLoadJob::start(m_view->loadHost(), 4));
    waitForTheEnd();
    snapwane::FailThreadStartsAfter(0);
    EXPECT_FALSE(FolderLoadJob::start(m_view->loadHost(), 4));
    snapwane::FailThreadStartsAfter(-1);
    EXPECT_EQ(listedNames(), FolderTreeSupport::nameOrder(m_root, true));
    EXPECT_FALSE(m_view->state().isLoading());
    EXPECT_FALSE(m_view->worker().isRunning());
}

// The three loaders start the same way: while a load or a reduction runs,
// none starts, asks anything or touches the flags.
TEST_F(FolderLoadJobTest, EveryLoader_RefusesToStartWhileTheProgramIsBusy)
{
    writePhoto(m_root + QStringLiteral("/r0.jpg"));
    const std::pair<const char*, std::function<bool()>> starts[] = {
        {"files", [&] { return FileLoader::start(m_view->loadHost()); }},
        {"folder", [&] { return FolderLoadJob::start(m_view->loadHost(), 1); }},
        {"paths", [&] { return PathLoadJob::start(m_view->loadHost(), {m_root}); }},
    };
    MainViewState& state = m_view->state();
    for (const bool loading : {true, false}) {
        state.setLoading(loading);
        state.setReducing(!loading);
        for (const auto& [name, start] : starts) {
            EXPECT_FALSE(start()) << name;
            EXPECT_FALSE(m_view->worker().isRunning()) << name;
            EXPECT_EQ(state.isLoading(), loading) << name;
            EXPECT_EQ(state.isReducing(), !loading) << name;
        }
    }
    state.setReducing(false);
    EXPECT_EQ(m_view->collection().count(), 0);
    EXPECT_TRUE(m_prompts.messages().isEmpty());
}

// A load that ends while the main window closes (the GUI thread takes no
// more calls) never leaves the program loading.
TEST_F(FolderLoadJobTest, EndRefusedByTheGuiThread_StillClearsTheLoadingFlag)
{
    m_view->state().setLoading(true);
    bool stepsRan = false;
    GuiThreadCall::releaseWaiting();
    std::thread worker([&] { LoadRun::end(m_view->loadHost(), [&](LoadHost&) { stepsRan = true; }); });
    worker.join();
    GuiThreadCall::reopen();
    EXPECT_FALSE(stepsRan);
    EXPECT_FALSE(m_view->state().isLoading());
}

TEST_F(FolderLoadJobTest, AnsweredNo_LoadsTheChosenFolderOnly)
{
    m_prompts.folderAnswers = {m_root};
    m_prompts.yesNoAnswers = {false};
    load();
    QStringList names = listedNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{"p1.jpg", "p2.jpg", "p3.jpeg"}));
}

TEST_F(FolderLoadJobTest, Rows_ShowTheFolderAsGivenAndReadTheRealName)
{
    m_prompts.folderAnswers = {m_root};
    load();
    ASSERT_EQ(m_view->collection().count(), 3);
    for (int i = 0; i < 3; ++i) {
        const PhotoRecord& record = m_view->collection().record(i);
        EXPECT_EQ(record.folder, NativePath::withTrailingSeparator(m_root));
        EXPECT_TRUE(QFile::exists(record.path)) << record.path.toStdString();
    }
}

TEST_F(FolderLoadJobTest, LoadingTwice_DoublesTheRows)
{
    m_prompts.folderAnswers = {m_root, m_root};
    m_prompts.yesNoAnswers = {true, true};
    load();
    load(ids::cmd::LoadCamera);
    EXPECT_EQ(m_view->collection().count(), 10);
    EXPECT_EQ(m_prompts.log.filter(QStringLiteral("folder: ")).size(), 2);
    EXPECT_EQ(m_prompts.log.filter(FolderLoadJob::browserTitle()).size(), 2); // the camera uses the same browser
    // ... opened at the home folder for a folder, where removable media are mounted for the camera.
    EXPECT_TRUE(m_prompts.log.contains(QStringLiteral("folder: %1 | %2").arg(FolderLoadJob::browserTitle(), QDir::homePath())));
    EXPECT_TRUE(m_prompts.log.contains(
        QStringLiteral("folder: %1 | %2").arg(FolderLoadJob::browserTitle(), RemovableMedia::cameraFolder())));
}

// The rows held before the load count toward the capacity and the caption.
TEST_F(FolderLoadJobTest, NearlyFull_CountsOnFromTheRowsHeldAndStopsAtTheCapacity)
{
    for (int i = 0; i < CPhotoCollection::kCapacity - 2; ++i)
        ASSERT_TRUE(m_view->collectionEditor().append(PhotoRecord::Describe(QStringLiteral("/held/%1.jpg").arg(i))));
    QStringList captions;
    CFileProgressDlg* progress = m_view->fileProgressDlg();
    QObject::connect(progress, &QWidget::windowTitleChanged, progress,
                     [&captions](const QString& title) { captions.append(title); });
    m_prompts.folderAnswers = {m_root};
    m_prompts.yesNoAnswers = {true};
    load();
    EXPECT_EQ(m_view->collection().count(), CPhotoCollection::kCapacity);
    EXPECT_EQ(captions.filter(QStringLiteral(" loaded")), (QStringList{QStringLiteral("999 loaded"), QStringLiteral("1000 loaded")}));
    EXPECT_EQ(m_prompts.messages().filter(CPhotoCollection::capacityMessage()).size(), 1);
}

TEST_F(FolderLoadJobTest, StopDuringTheSearch_LoadsNothing)
{
    // Enough folders that the search is still going when Stop is pressed.
    for (int i = 0; i < 400; ++i)
        ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("Sub/s%1").arg(i)));
    CFileProgressDlg* progress = m_view->fileProgressDlg();
    QObject::connect(progress, &QWidget::windowTitleChanged, progress, [progress](const QString& title) {
        if (title == FolderLoadJob::searchCaption())
            progress->m_bStop = 1;
    });
    m_prompts.folderAnswers = {m_root};
    m_prompts.yesNoAnswers = {true};
    load();
    EXPECT_EQ(m_view->collection().count(), 0);
    EXPECT_EQ(progress->windowTitle(), CFileProgressDlg::readyCaption());
    EXPECT_EQ(progress->m_bStop, 0);
}

TEST_F(FolderLoadJobTest, ClosingDuringTheLoad_StopsItWithoutHanging)
{
    for (int i = 0; i < 20; ++i)
        writePhoto(m_root + QStringLiteral("/more%1.jpg").arg(i));
    m_prompts.folderAnswers = {m_root};
    m_prompts.yesNoAnswers = {true};
    CFileProgressDlg* progress = m_view->fileProgressDlg();
    bool loadingSeen = false;
    QObject::connect(progress, &QWidget::windowTitleChanged, progress, [&](const QString& title) {
        loadingSeen = loadingSeen || title.endsWith(QLatin1String(" loaded"));
    });
    ASSERT_TRUE(m_view->commands().onCommand(ids::cmd::LoadFolder));
    QElapsedTimer guard;
    guard.start();
    while (!loadingSeen && m_view->worker().isRunning() && guard.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    m_view.reset(); // closing stops the worker and waits for the photo in hand
    SUCCEED();
}

TEST_F(FolderLoadJobTest, CancelledBrowser_LoadsNothingAndEnds)
{
    load();
    EXPECT_EQ(m_view->collection().count(), 0);
    EXPECT_FALSE(m_view->state().isLoading());
    EXPECT_TRUE(m_prompts.messages().isEmpty());
}

// A folder browser that fails (out of memory, say) chose nothing: the load ends.
class FailingBrowserPrompts : public ScriptedPrompts
{
protected:
    QString showFolderBrowser(const QString&, const QString&) override { throw std::bad_alloc(); }
};

TEST_F(FolderLoadJobTest, FailingBrowser_EndsTheLoad)
{
    FailingBrowserPrompts prompts;
    const std::atomic<bool> closing{false};
    m_view->state().setLoading(true);
    // Run on this thread, the browser's failure reaches the job itself.
    EXPECT_NO_THROW(FolderLoadJob(m_view->loadHost(), 1, m_root).run(closing));
    EXPECT_FALSE(m_view->state().isLoading());
    EXPECT_EQ(m_view->collection().count(), 0);
}

} // namespace
