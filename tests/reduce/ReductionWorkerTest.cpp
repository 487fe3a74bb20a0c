// SPDX-License-Identifier: MIT
// The reduction from command 139 to "READY": scripted wizard answers, real
// photos through the engine, the stops, the packer's command lines and the
// final question.
#include "ReduceTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "photos/CFileProgressDlg.h"
#include "platform/GuiThreadCall.h"
#include "platform/WidgetId.h"
#include "reduce/ReductionController.h"
#include "reduce/ReductionWorker.h"
#include "res/ids.h"
#include "support/FakePhotos.h"
#include "support/RecordingShell.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cerrno>
#include <memory>
#include <thread>

namespace {

class ReductionRun : public ::testing::Test
{
protected:
    ReductionRun()
    {
        frame = std::make_unique<CMainFrame>();
        view = frame->view();
        QDir().mkpath(outputFolder());
        settings.outputFolder = outputFolder();
        settings.targetWidth = 640;
        settings.targetHeight = 480;
        view->reduction().setWizardRunner([this](ReductionSettings& given) {
            ++wizardRuns;
            seenByWizard = given;
            const int count = given.photoCount;
            const std::uint64_t bytes = given.inputBytes;
            given = settings;
            given.photoCount = count;
            given.inputBytes = bytes;
            return wizardAnswer;
        });
    }
    ~ReductionRun() override { frame.reset(); }

    QString sourceFolder() const { return folder.filePath(QStringLiteral("camera")); }
    QString outputFolder() const { return folder.filePath(QStringLiteral("out")); }
    QString output(const QString& name) const { return outputFolder() + QLatin1Char('/') + name; }

    QString addPhoto(const QString& name, int width, int height, const QString& subfolder = QStringLiteral("camera"))
    {
        const QString dir = folder.filePath(subfolder);
        QDir().mkpath(dir);
        const QString path = dir + QLatin1Char('/') + name;
        EXPECT_TRUE(snapwane::test::WriteJpeg(path, snapwane::test::MakePattern(width, height)));
        appendUnloadedPhoto(view->collection(), path);
        return path;
    }

    void addPhotos(int count)
    {
        for (int i = 1; i <= count; ++i)
            addPhoto(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')), 800, 600);
    }

    // Presses Reduce photos and waits until the run has ended.
    void reduce()
    {
        frame->onCommand(ids::cmd::Reduce);
        ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view->worker().isRunning(); }));
        QCoreApplication::processEvents(); // the queued state updates
    }

    QStringList outputs() const
    {
        return QDir(outputFolder()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    RecordingShell shell;
    std::unique_ptr<CMainFrame> frame;
    CMainView* view = nullptr;
    ReductionSettings settings;
    ReductionSettings seenByWizard;
    bool wizardAnswer = true;
    int wizardRuns = 0;
};

TEST_F(ReductionRun, ReducesEveryPhotoIntoTheBoxUnderItsListedName)
{
    addPhoto(QStringLiteral("Big One.JPG"), 1600, 1200);
    addPhoto(QStringLiteral("small.jpg"), 400, 300);
    addPhoto(QStringLiteral("wide.jpeg"), 2000, 1000);
    addPhoto(QStringLiteral("turned.jpg"), 1600, 1200);
    view->collection().photo(0).setCorrections({.brightness = 20});
    view->collection().photo(3).setCorrections({.rotation = 90});
    prompts.yesNoAnswers.push_back(false);
    reduce();

    EXPECT_EQ(seenByWizard.photoCount, 4);
    EXPECT_EQ(seenByWizard.firstPhotoPath, sourceFolder() + "/Big One.JPG");
    EXPECT_EQ(seenByWizard.firstCorrections.brightness, 20);
    EXPECT_EQ(outputs(), QStringList({"big one.jpg", "small.jpg", "turned.jpg", "wide.jpeg"}));
    EXPECT_EQ(reducetest::photoSize(output("turned.jpg")), QSize(360, 480));
    EXPECT_EQ(reducetest::photoSize(output("big one.jpg")), QSize(640, 480));
    EXPECT_EQ(reducetest::photoSize(output("wide.jpeg")), QSize(640, 320));
    // Not larger than the box: copied byte for byte.
    EXPECT_EQ(reducetest::fileBytes(output("small.jpg")), reducetest::fileBytes(sourceFolder() + "/small.jpg"));
    EXPECT_EQ(prompts.messages(), QStringList{ReductionWorker::openFolderQuestion()});
    EXPECT_TRUE(shell.opened().isEmpty());
    EXPECT_TRUE(shell.started().isEmpty());
    EXPECT_FALSE(view->state().isReducing());
    EXPECT_EQ(view->fileProgressDlg()->windowTitle(), "READY");
    EXPECT_FALSE(view->fileProgressDlg()->isVisible());
}

// No change copies every photo; the later photo of a taken name gets a numbered
// name. A folder loaded twice lists each photo twice: each file is written once.
// A photo the user turned still comes out turned, at its own size.
TEST_F(ReductionRun, NoChangeCopiesEachPhotoOnceUnderItsOwnNameAndKeepsTheUsersTurn)
{
    const QString earlier = addPhoto(QStringLiteral("Pic.JPG"), 800, 600, QStringLiteral("a"));
    const QString later = addPhoto(QStringLiteral("pic.jpg"), 1024, 768, QStringLiteral("b"));
    const QString plain = addPhoto(QStringLiteral("plain.jpg"), 800, 600);
    const QString turned = addPhoto(QStringLiteral("turned.jpg"), 800, 600);
    appendUnloadedPhoto(view->collection(), plain);
    appendUnloadedPhoto(view->collection(), turned);
    view->collection().photo(3).setCorrections({.rotation = 90});
    view->collection().photo(5).setCorrections({.rotation = 90});
    settings.targetWidth = settings.targetHeight = 5000;
    reduce();

    EXPECT_EQ(outputs(), QStringList({"pic (2).jpg", "pic.jpg", "plain.jpg", "turned.jpg"}));
    EXPECT_EQ(reducetest::fileBytes(output("pic.jpg")), reducetest::fileBytes(earlier));
    EXPECT_EQ(reducetest::fileBytes(output("pic (2).jpg")), reducetest::fileBytes(later));
    EXPECT_EQ(reducetest::fileBytes(output("plain.jpg")), reducetest::fileBytes(plain));
    EXPECT_EQ(reducetest::photoSize(output("turned.jpg")), QSize(600, 800));
}

TEST_F(ReductionRun, OddNamesAreReadUnderTheirRealNamesAndWrittenLowerCased)
{
    addPhoto(QStringLiteral("Été \"quoted\" 'n' spaced.JPG"), 800, 600);
    addPhoto(QStringLiteral("ÄÖÜ.jpeg"), 800, 600);
    reduce();
    EXPECT_EQ(outputs(), QStringList({QStringLiteral("äöü.jpeg"), QStringLiteral("été \"quoted\" 'n' spaced.jpg")}));
    EXPECT_EQ(prompts.messages(), QStringList{ReductionWorker::openFolderQuestion()});
}

TEST_F(ReductionRun, AFileErrorIsReportedWithTheOutputAndItsReasonAndTheRunGoesOn)
{
    addPhotos(3);
    view->reduction().setPhotoReducer([](const auto& source, const auto& target, int w, int h, int q,
                                         const snapwane::Corrections& c) {
        if (source.filename() == "IMG_0002.JPG")
            return snapwane::ReduceResult{snapwane::ReduceOutcome::WriteError, 0, 0, "write error: File too large"};
        return snapwane::ReducePhoto(source, target, w, h, q, c);
    });
    reduce();
    EXPECT_EQ(prompts.messages(), QStringList({"File error:\n" + output("img_0002.jpg") + "\nwrite error: File too large",
                                               ReductionWorker::openFolderQuestion()}));
    EXPECT_EQ(outputs(), QStringList({"img_0001.jpg", "img_0003.jpg"}));
}

TEST_F(ReductionRun, UnusableSettingsPassEveryPhotoOverAndAskNothing)
{
    addPhotos(2);
    settings.outputFolder.clear();
    reduce();
    EXPECT_TRUE(outputs().isEmpty());
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(view->fileProgressDlg()->windowTitle(), "READY");
}

QString folderFailure(const QString& folder, const QString& reason)
{
    return "The photos cannot be written into the output folder\n" + folder + "\n" + reason
         + ".\nThe reduction has stopped.";
}

// A folder that refuses every photo says so once, with the system's reason, and
// writes, packs and offers nothing.
TEST_F(ReductionRun, AnUnwritableOutputFolderEndsTheRunWithOneMessage)
{
    const struct {
        const char* what;
        QString folder;
        QString reason;
    } rows[] = {
        {"missing", folder.filePath(QStringLiteral("typed/but/never/made")), "No such file or directory"},
        {"read-only", outputFolder(), "Permission denied"},
    };
    addPhotos(3);
    settings.makeSingleFile = 1;
    settings.archiveName = QStringLiteral("MyNewPhotos");
    QFile::setPermissions(outputFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        prompts.log.clear();
        settings.outputFolder = row.folder;
        reduce();
        EXPECT_EQ(prompts.messages(), QStringList{folderFailure(row.folder, row.reason)});
        EXPECT_TRUE(shell.started().isEmpty());
        EXPECT_FALSE(view->state().isReducing());
    }
    EXPECT_FALSE(QFileInfo::exists(rows[0].folder));
    EXPECT_TRUE(outputs().isEmpty());
}

// A full disk: the photo in hand fails, the run ends there; what was written is offered.
TEST_F(ReductionRun, AFullDiskEndsTheRunAfterThePhotoInHand)
{
    addPhotos(4);
    settings.makeSingleFile = 1;
    settings.archiveName = QStringLiteral("MyNewPhotos");
    std::atomic<int> attempted = 0;
    view->reduction().setPhotoReducer([&](const auto& source, const auto& target, int w, int h, int q,
                                          const snapwane::Corrections& c) {
        ++attempted;
        if (source.filename() != "IMG_0002.JPG")
            return snapwane::ReducePhoto(source, target, w, h, q, c);
        return snapwane::ReduceResult{snapwane::ReduceOutcome::WriteError, 0, 0,
                                      "write error: No space left on device", ENOSPC, true};
    });
    reduce();
    EXPECT_EQ(attempted.load(), 2);
    EXPECT_EQ(outputs(), QStringList{"img_0001.jpg"});
    EXPECT_EQ(prompts.messages(), QStringList({folderFailure(outputFolder(), "No space left on device"),
                                               ReductionWorker::openFolderQuestion()}));
    EXPECT_TRUE(shell.started().isEmpty());
}

TEST_F(ReductionRun, ACancelledWizardTouchesNoPhoto)
{
    addPhotos(2);
    wizardAnswer = false;
    reduce();
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_TRUE(outputs().isEmpty());
    EXPECT_TRUE(prompts.log.isEmpty());
    EXPECT_FALSE(view->state().isReducing());
    EXPECT_EQ(view->fileProgressDlg()->windowTitle(), "READY");
}

// The real wizard: step 1 runs step 2 on top of itself, modally, on the GUI thread.
TEST_F(ReductionRun, TheWizardStepsHandTheirChoicesToTheRun)
{
    reducetest::ScopedHome home;
    addPhotos(2);
    view->reduction().setWizardRunner({});
    QTimer driver; // answers whichever step is open, one answer at a time
    bool answering = false;
    QObject::connect(&driver, &QTimer::timeout, [this, &answering] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answering)
            return;
        answering = true;
        const int step = WidgetId::of(modal);
        QTimer::singleShot(0, modal, [this, modal, step, &answering] {
            answering = false; // the clicks below open the next step inside this call
            if (step == ids::tmpl::WizardStep1) {
                WidgetId::find<QAbstractButton>(modal, ids::wizardStep1::Size320)->click();
                WidgetId::find<QAbstractButton>(modal, ids::wizardStep1::Next)->click();
            } else if (step == ids::tmpl::WizardStep2) {
                WidgetId::find<QLineEdit>(modal, ids::wizardStep2::OutputFolder)->setText(outputFolder());
                WidgetId::find<QAbstractButton>(modal, ids::wizardStep2::Start)->click();
            }
        });
    });
    driver.start(0);
    reduce();
    driver.stop();
    EXPECT_EQ(outputs(), QStringList({"img_0001.jpg", "img_0002.jpg"}));
    EXPECT_EQ(reducetest::photoSize(output("img_0001.jpg")), QSize(320, 240));
    // Today's folder was proposed, then replaced by the typed one: it is not made.
    EXPECT_FALSE(QFileInfo::exists(home.datedFolder()));
}

TEST_F(ReductionRun, AnEmptyListEndsBeforeTheWizard)
{
    view->reduction().start();
    EXPECT_EQ(wizardRuns, 0);
    EXPECT_FALSE(view->state().isReducing());
}

TEST_F(ReductionRun, YesOpensTheFolder)
{
    addPhotos(1);
    prompts.yesNoAnswers.push_back(true);
    reduce();
    EXPECT_EQ(shell.opened(), QList<QUrl>{QUrl::fromLocalFile(outputFolder())});
}

// Stops arrive while photo 5 of 20 is in hand.
struct StopRow
{
    const char* name;
    std::function<void(CMainFrame&)> stop;
};

class ReductionStop : public ReductionRun, public ::testing::WithParamInterface<StopRow>
{
};

TEST_P(ReductionStop, EndsAfterThePhotoInHandWithoutTheQuestion)
{
    addPhotos(20);
    settings.makeSingleFile = 1;
    settings.archiveName = QStringLiteral("MyNewPhotos");
    std::atomic<int> reduced = 0;
    CMainFrame* mainFrame = frame.get();
    view->reduction().setPhotoReducer([&, mainFrame](const auto& source, const auto& target, int w, int h, int q,
                                                     const snapwane::Corrections& c) {
        if (++reduced == 5)
            GuiThreadCall::run([&, mainFrame] { GetParam().stop(*mainFrame); });
        return snapwane::ReducePhoto(source, target, w, h, q, c);
    });
    reduce();
    EXPECT_EQ(reduced.load(), 5);
    EXPECT_EQ(outputs().size(), 5);
    EXPECT_TRUE(prompts.log.isEmpty());
    EXPECT_TRUE(shell.started().isEmpty());
    EXPECT_FALSE(view->state().isReducing());
    EXPECT_EQ(view->fileProgressDlg()->m_bStop.load(), 0);
    EXPECT_FALSE(view->fileProgressDlg()->isVisible());
    EXPECT_EQ(view->fileProgressDlg()->windowTitle(), "");
}

const StopRow kStops[] = {
    {"StopCommand", [](CMainFrame& frame) { frame.onCommand(ids::cmd::Stop); }},
    {"ProgressDialogStop", [](CMainFrame& frame) { frame.view()->fileProgressDlg()->m_bStop = 1; }},
};

INSTANTIATE_TEST_SUITE_P(Stops, ReductionStop, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

// On a full disk every photo fails to be written. Its "File error:" window must
// leave the run's Stop, the Stop command and the main window's close at hand.
class FileErrorStop : public ReductionRun, public ::testing::WithParamInterface<StopRow>
{
};

QMessageBox* shownFileError()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* message = qobject_cast<QMessageBox*>(window);
        if (message && message->isVisible() && message->text().startsWith(QLatin1String("File error:")))
            return message;
    }
    return nullptr;
}

TEST_P(FileErrorStop, ClosesTheFileErrorWindowAndEndsAfterThePhotoInHand)
{
    addPhotos(4);
    prompts.realRunMessages = true;
    std::atomic<int> written = 0;
    view->reduction().setPhotoReducer([&](const auto&, const auto&, int, int, int, const snapwane::Corrections&) {
        ++written;
        return snapwane::ReduceResult{snapwane::ReduceOutcome::WriteError, 0, 0, "no space left"};
    });
    frame->onCommand(ids::cmd::Reduce);
    ASSERT_TRUE(snapwane::test::WaitUntil([] { return shownFileError() != nullptr; }));
    const QPointer<QMessageBox> message = shownFileError();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    GetParam().stop(*frame);

    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return !view->worker().isRunning() && !message; }));
    EXPECT_EQ(written.load(), 1);
    EXPECT_EQ(prompts.messages(), QStringList{"File error:\n" + output("img_0001.jpg") + "\nno space left"});
    EXPECT_FALSE(view->state().isReducing());
}

const StopRow kFileErrorStops[] = {
    {"ProgressDialogStop",
     [](CMainFrame& frame) {
         WidgetId::find<QAbstractButton>(frame.view()->fileProgressDlg(), ids::fileProgress::Stop)->click();
     }},
    {"StopCommand", [](CMainFrame& frame) { frame.onCommand(ids::cmd::Stop); }},
    {"ClosingTheWindow", [](CMainFrame& frame) { frame.close(); }},
};

INSTANTIATE_TEST_SUITE_P(Stops, FileErrorStop, ::testing::ValuesIn(kFileErrorStops),
                         [](const auto& info) { return std::string(info.param.name); });

// Stop leaves the run's photo in hand to finish; Reduce photos pressed in that
// time must neither open the wizard for a run that cannot start nor let the
// stopped run go on with the rest of the list.
TEST_F(ReductionRun, ReducePressedWhileAStoppedRunFinishesItsPhotoChangesNothing)
{
    addPhotos(6);
    std::atomic<int> reduced = 0;
    std::atomic<bool> stopSeen = false;
    CMainFrame* mainFrame = frame.get();
    view->reduction().setWizardRunner([&](ReductionSettings& given) {
        if (++wizardRuns > 1) // the wizard is modal: the worker goes on meanwhile
            snapwane::test::WaitUntil([&] { return !view->worker().isRunning(); });
        given.outputFolder = settings.outputFolder;
        given.targetWidth = settings.targetWidth;
        given.targetHeight = settings.targetHeight;
        return true;
    });
    view->reduction().setPhotoReducer([&, mainFrame](const auto& source, const auto& target, int w, int h, int q,
                                                     const snapwane::Corrections& c) {
        if (++reduced == 2) {
            QMetaObject::invokeMethod(qApp, [&, mainFrame] {
                mainFrame->onCommand(ids::cmd::Stop);
                stopSeen = true;
                mainFrame->onCommand(ids::cmd::Reduce);
            }, Qt::QueuedConnection);
            while (!stopSeen)
                std::this_thread::yield();
        }
        return snapwane::ReducePhoto(source, target, w, h, q, c);
    });
    reduce();
    ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view->worker().isRunning(); }));
    EXPECT_EQ(reduced.load(), 2);
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_EQ(outputs().size(), 2);
    EXPECT_TRUE(prompts.log.isEmpty());
    EXPECT_FALSE(view->state().isReducing());
}

TEST_F(ReductionRun, ClosingTheMainWindowStopsAfterThePhotoInHand)
{
    addPhotos(10);
    std::atomic<int> reduced = 0;
    CMainFrame* mainFrame = frame.get();
    view->reduction().setPhotoReducer([&, mainFrame](const auto& source, const auto& target, int w, int h, int q,
                                                     const snapwane::Corrections& c) {
        if (++reduced == 3)
            GuiThreadCall::run([mainFrame] { mainFrame->close(); });
        return snapwane::ReducePhoto(source, target, w, h, q, c);
    });
    frame->onCommand(ids::cmd::Reduce);
    ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view->worker().isRunning(); }));
    EXPECT_EQ(reduced.load(), 3);
    EXPECT_EQ(outputs().size(), 3);
    EXPECT_TRUE(prompts.log.isEmpty());
}

// Photos reduced ahead on several threads are written exactly as one thread
// writes them, also a photo whose source is an earlier photo's output.
TEST_F(ReductionRun, SeveralThreadsWriteTheSameBytesAsOne)
{
    const auto runWith = [this](int threads, const QString& outName) {
        while (view->collection().count() > 0)
            view->collection().remove(0);
        settings.outputFolder = folder.filePath(outName);
        QDir().mkpath(settings.outputFolder);
        addPhoto(QStringLiteral("Big.JPG"), 1600, 1200);
        addPhoto(QStringLiteral("small.jpg"), 400, 300);
        addPhoto(QStringLiteral("Pic.JPG"), 1200, 900, QStringLiteral("a"));
        addPhoto(QStringLiteral("pic.jpg"), 1024, 768, QStringLiteral("b"));
        addPhoto(QStringLiteral("turned.jpg"), 2000, 1000);
        // A source in the output folder: the first photo's output goes beside it.
        addPhoto(QStringLiteral("big.jpg"), 2400, 1800, outName);
        view->collection().photo(0).setCorrections({.brightness = 20});
        view->collection().photo(4).setCorrections({.rotation = 90});
        view->reduction().setThreadCount(threads);
        prompts.yesNoAnswers.push_back(false);
        reduce();
        return QDir(settings.outputFolder);
    };
    const QDir one = runWith(1, QStringLiteral("one"));
    const QDir several = runWith(3, QStringLiteral("several"));
    const QStringList names = one.entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(names, QStringList({"big (2).jpg", "big.jpg", "pic (2).jpg", "pic.jpg", "small.jpg", "turned.jpg"}));
    EXPECT_EQ(several.entryList(QDir::Files, QDir::Name), names);
    for (const QString& name : names)
        EXPECT_EQ(reducetest::fileBytes(several.filePath(name)), reducetest::fileBytes(one.filePath(name))) << name.toStdString();
    EXPECT_EQ(reducetest::photoSize(several.filePath("big.jpg")), QSize(640, 480));
}

// The run never waits for the window: every photo is written while the GUI thread
// is busy elsewhere, and the dialog then counts each photo in turn.
// What the worker changes while the GUI thread is busy is shown together when it
// gets to it: the counts shown only go up, and the run ends READY.
TEST_F(ReductionRun, WritesEveryPhotoWhileTheGuiThreadIsBusyAndShowsOnlyTheLatestCount)
{
    addPhotos(12);
    QStringList captions;
    QObject::connect(view->fileProgressDlg(), &QWidget::windowTitleChanged, view->fileProgressDlg(),
                     [&captions](const QString& title) { captions.append(title); });
    frame->onCommand(ids::cmd::Reduce);
    const QDeadlineTimer guard(60'000);
    while (outputs().size() < 12 && !guard.hasExpired())
        std::this_thread::sleep_for(std::chrono::milliseconds(5)); // no events handled meanwhile
    EXPECT_EQ(outputs().size(), 12);
    ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view->worker().isRunning(); }));
    QCoreApplication::processEvents();
    ASSERT_GE(captions.size(), 2);
    EXPECT_EQ(captions.mid(captions.size() - 2), QStringList({QString(), CFileProgressDlg::readyCaption()}));
    int shown = 0;
    for (const QString& caption : captions.mid(0, captions.size() - 2)) {
        const int count = caption.section(QLatin1Char(' '), 0, 0).toInt();
        EXPECT_GT(count, shown) << caption.toStdString();
        shown = count;
    }
}

// The stop comes while later photos may already be reduced ahead: none of them is
// written. The fifth photo's output is read-only, so its "File error:" window holds
// the run at that photo while the later ones are reduced ahead; Stop is pressed there.
TEST_F(ReductionRun, AStopWithPhotosReducedAheadWritesNothingAfterThePhotoInHand)
{
    addPhotos(20);
    view->reduction().setThreadCount(4);
    QFile readOnly(output(QStringLiteral("img_0005.jpg")));
    ASSERT_TRUE(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    ASSERT_TRUE(readOnly.setPermissions(QFileDevice::ReadOwner));
    prompts.realRunMessages = true;
    frame->onCommand(ids::cmd::Reduce);
    ASSERT_TRUE(snapwane::test::WaitUntil([] { return shownFileError() != nullptr; }));
    WidgetId::find<QAbstractButton>(view->fileProgressDlg(), ids::fileProgress::Stop)->click();
    ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view->worker().isRunning(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(outputs(), QStringList({"img_0001.jpg", "img_0002.jpg", "img_0003.jpg", "img_0004.jpg", "img_0005.jpg"}));
    EXPECT_EQ(readOnly.size(), 0);
    EXPECT_EQ(prompts.messages().size(), 1); // the file error, no question
    EXPECT_FALSE(view->state().isReducing());
}

struct PackerRow
{
    const char* name;
    const char* archiveName;
    bool email;
    const char* address;
    QStringList switches;
    const char* archiveFile;
};

void PrintTo(const PackerRow& row, std::ostream* out)
{
    *out << row.name;
}

class ReductionPacker : public ReductionRun, public ::testing::WithParamInterface<PackerRow>
{
};

TEST_P(ReductionPacker, StartsThePackerBesideTheProgramAfterTheLastPhoto)
{
    const PackerRow& row = GetParam();
    addPhotos(1);
    settings.makeSingleFile = 1;
    settings.archiveName = QString::fromUtf8(row.archiveName);
    settings.makeEmail = row.email ? 1 : 0;
    settings.emailAddress = QString::fromUtf8(row.address);
    reduce();
    const auto started = shell.started();
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].program, QCoreApplication::applicationDirPath() + "/snapwane-pack");
    const QStringList expected = row.switches + QStringList{"-sfx", "--", output(QString::fromUtf8(row.archiveFile)),
                                                            outputFolder()};
    EXPECT_EQ(started[0].arguments, expected);
    EXPECT_EQ(started[0].input, QByteArray("img_0001.jpg", 13));
    EXPECT_EQ(prompts.messages(), QStringList{ReductionWorker::openFolderQuestion()});
}

const PackerRow kPackers[] = {
    {"SingleFile", "MyNewPhotos", false, "", {"a", "-ep1"}, "MyNewPhotos.zip"},
    {"NameEndingInZipGetsItAgain", "pics.zip", false, "", {"a", "-ep1"}, "pics.zip.zip"},
    {"EmailWithSpacesRemoved", "pics", true, " me @ example.org ", {"a", "-ep1", "-iemlme@example.org"}, "pics.zip"},
    {"EmailFlagWithoutAddress", "pics", true, "", {"a", "-ep1"}, "pics.zip"},
    {"AddressOfSpacesOnly", "pics", true, "   ", {"a", "-ep1", "-ieml"}, "pics.zip"},
};

INSTANTIATE_TEST_SUITE_P(Forms, ReductionPacker, ::testing::ValuesIn(kPackers),
                         [](const auto& info) { return std::string(info.param.name); });

// A second run of the day into the same folder packs its own photos only, in
// list order, whatever else lies in the folder. A deleted source is passed over
// silently.
TEST_F(ReductionRun, PacksExactlyThePhotosThisRunWroteInListOrder)
{
    QFile earlier(output(QStringLiteral("earlier.jpg")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    addPhoto(QStringLiteral("zebra.jpg"), 800, 600);
    addPhoto(QStringLiteral("apple.jpg"), 400, 300);
    addPhoto(QStringLiteral("gone.jpg"), 800, 600);
    QFile::remove(sourceFolder() + QStringLiteral("/gone.jpg"));
    settings.makeSingleFile = 1;
    settings.archiveName = QStringLiteral("pics");
    reduce();
    EXPECT_EQ(outputs(), QStringList({"apple.jpg", "earlier.jpg", "zebra.jpg"}));
    EXPECT_EQ(prompts.messages(), QStringList{ReductionWorker::openFolderQuestion()});
    const auto started = shell.started();
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].input, QByteArray("zebra.jpg\0apple.jpg\0", 20));
}

struct PackerFailureRow
{
    const char* name;
    Shell::ProgramResult result;
    QString (*message)(); // %1: the archive
};

class ReductionPackerFailure : public ReductionRun, public ::testing::WithParamInterface<PackerFailureRow>
{
};

TEST_P(ReductionPackerFailure, IsReportedBeforeTheQuestion)
{
    addPhotos(1);
    settings.makeSingleFile = 1;
    settings.archiveName = QStringLiteral("pics");
    shell.programResult = GetParam().result;
    reduce();
    EXPECT_EQ(prompts.messages(),
              (QStringList{GetParam().message().arg(output(QStringLiteral("pics.zip"))), ReductionWorker::openFolderQuestion()}));
}

const PackerFailureRow kPackerFailures[] = {
    {"NoZip", {1, QStringLiteral("snapwane-pack: zip is not installed\n")},
     [] { return ReductionWorker::archiveFailedMessage().arg(QStringLiteral("%1"), QStringLiteral("zip is not installed")); }},
    {"NoMailProgram", {3, QStringLiteral("snapwane-pack: no mail program could be opened")},
     [] { return ReductionWorker::noMailProgramMessage(); }},
    {"PackerMissing", {-1, QStringLiteral("No such file or directory")},
     [] {
         return ReductionWorker::archiveFailedMessage().arg(
             QStringLiteral("%1"), QStringLiteral("the packer %1 could not be run. No such file or directory")
                                       .arg(QCoreApplication::applicationDirPath() + "/snapwane-pack"));
     }},
};

INSTANTIATE_TEST_SUITE_P(Exits, ReductionPackerFailure, ::testing::ValuesIn(kPackerFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReductionRun, AnOutputFolderNothingOpensIsReportedWithItsPath)
{
    addPhotos(1);
    shell.openSucceeds = false;
    prompts.yesNoAnswers.push_back(true);
    reduce();
    EXPECT_TRUE(snapwane::test::WaitUntil([this] { return prompts.messages().size() == 2; }));
    EXPECT_EQ(prompts.messages(),
              (QStringList{ReductionWorker::openFolderQuestion(), Shell::cannotOpenMessage().arg(outputFolder())}));
    frame->hide();
}

TEST_F(ReductionRun, NoPackerWithoutAnArchiveName)
{
    addPhotos(1);
    settings.makeSingleFile = 1;
    reduce();
    EXPECT_TRUE(shell.started().isEmpty());
}

} // namespace
