// SPDX-License-Identifier: MIT
// Scripted answers reach the program's questions on the GUI thread and from a
// worker thread; a stop releases a worker that waits for an answer.
#include "platform/GuiThreadCall.h"
#include "platform/Prompts.h"
#include "platform/QtPrompts.h"
#include "platform/WorkerHost.h"
#include "support/QtTestSupport.h"
#include "support/ScriptedPrompts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(Prompts, ScriptedAnswersAreGivenInOrderThenDeclined)
{
    ScriptedPrompts prompts;
    prompts.yesNoAnswers = {true, false};
    prompts.fileAnswers = {{QStringLiteral("/a.jpg"), QStringLiteral("/b.JPEG")}};
    prompts.folderAnswers = {QStringLiteral("/photos")};

    EXPECT_TRUE(Prompts::askYesNo(QStringLiteral("First?")));
    EXPECT_FALSE(Prompts::askYesNo(QStringLiteral("Second?")));
    EXPECT_FALSE(Prompts::askYesNo(QStringLiteral("Unscripted?")));
    EXPECT_EQ(Prompts::chooseFiles(QStringLiteral("Pick"), QStringLiteral("Jpeg (*.jpg)")).size(), 2);
    EXPECT_TRUE(Prompts::chooseFiles(QStringLiteral("Pick"), QStringLiteral("Jpeg (*.jpg)")).isEmpty());
    EXPECT_EQ(Prompts::chooseFolder(QStringLiteral("Where"), QStringLiteral("/")), QStringLiteral("/photos"));
    Prompts::inform(QStringLiteral("Done"));

    EXPECT_EQ(prompts.log, (QStringList{
                               QStringLiteral("yesno: First?"),
                               QStringLiteral("yesno: Second?"),
                               QStringLiteral("yesno: Unscripted?"),
                               QStringLiteral("files: Pick | Jpeg (*.jpg)"),
                               QStringLiteral("files: Pick | Jpeg (*.jpg)"),
                               QStringLiteral("folder: Where | /"),
                               QStringLiteral("inform: Done"),
                           }));
}

TEST(Prompts, WorkerThreadQuestionIsAnsweredOnTheGuiThread)
{
    ScriptedPrompts prompts;
    prompts.yesNoAnswers = {true};
    GuiThreadCall::reopen(); // a stop in an earlier test closed it; workers reopen it as they start
    std::atomic<bool> done = false;
    bool answer = false;
    bool askedOnGuiThread = false;
    std::thread worker([&] {
        answer = Prompts::askYesNo(QStringLiteral("Would you like to include all subdirectories?"));
        askedOnGuiThread = GuiThreadCall::call<bool>([] { return GuiThreadCall::isGuiThread(); }).value_or(false);
        done = true;
    });
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(answer);
    EXPECT_TRUE(askedOnGuiThread);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Would you like to include all subdirectories?")});
}

TEST(Prompts, StopReleasesAWorkerWaitingForAnAnswer)
{
    ScriptedPrompts prompts;
    prompts.yesNoAnswers = {true};
    WorkerHost host;
    std::atomic<bool> asking = false;
    std::atomic<bool> answer = true;
    host.start([&](const std::atomic<bool>&) {
        asking = true;
        answer = Prompts::askYesNo(QStringLiteral("Open the output folder?"));
    });
    while (!asking)
        std::this_thread::yield();
    // The GUI thread waits for the worker without answering: the stop must free it.
    host.stopAndWait();
    EXPECT_FALSE(host.isRunning());
    EXPECT_FALSE(answer);
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.log.isEmpty()); // the released question is never shown
}

TEST(Prompts, AStartedWorkerMayAskAgainAfterAStop)
{
    ScriptedPrompts prompts;
    prompts.yesNoAnswers = {true};
    WorkerHost host;
    host.start([](const std::atomic<bool>&) {});
    host.stopAndWait();

    std::atomic<bool> answered = false;
    std::atomic<bool> answer = false;
    host.start([&](const std::atomic<bool>&) {
        answer = Prompts::askYesNo(QStringLiteral("Again?"));
        answered = true;
    });
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return answered.load(); }));
    host.wait();
    EXPECT_TRUE(answer);
}

} // namespace

namespace {

// What the filter matches is seen in the file dialog itself (the file loader's tests).
TEST(QtPrompts, FilterWithoutPatternsIsLeftAlone)
{
    EXPECT_EQ(QtPrompts::caseInsensitiveFilter(QStringLiteral("All files")), QStringLiteral("All files"));
}

} // namespace
