// SPDX-License-Identifier: MIT
// Which files count as photos, whichever way they arrive: chosen in the file
// dialog, found in a folder, dropped or named on the command line, or given to
// snapwane-reduce. Every way takes the same photos and refuses the same files
// with the same reasons, and the program lists what it left out in one message.
#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "photos/CPhotoCollection.h"
#include "photos/PassedOverFiles.h"
#include "res/ids.h"
#include "support/QtTestSupport.h"
#include "support/ScriptedPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// What one way of arriving made of the files: the names taken, and
// "name: reason" for each file refused, both sorted.
struct Answer
{
    QStringList taken;
    QStringList refused;
};

bool operator==(const Answer& a, const Answer& b)
{
    return a.taken == b.taken && a.refused == b.refused;
}

void PrintTo(const Answer& answer, std::ostream* out)
{
    *out << "taken: " << answer.taken.join(", ").toStdString() << "; refused: " << answer.refused.join(", ").toStdString();
}

// "/folder/name: reason" -> "name: reason"
QString withoutFolder(const QString& line)
{
    const QString path = line.section(QStringLiteral(": "), 0, 0);
    return QFileInfo(path).fileName() + QStringLiteral(": ") + line.section(QStringLiteral(": "), 1);
}

// Runs an arrival on a fresh main window and reads the list and the message.
Answer arriveInTheProgram(const std::function<void(CMainFrame&, ScriptedPrompts&)>& arrive)
{
    ScriptedPrompts prompts;
    prompts.yesNoAnswers = {true};
    CMainFrame frame;
    arrive(frame, prompts);
    CMainView* view = frame.view();
    EXPECT_TRUE(snapwane::test::WaitUntil([view] { return !view->state().isLoading() && !view->worker().isRunning(); }));
    QCoreApplication::processEvents();
    Answer answer;
    for (int i = 0; i < view->collection().count(); ++i)
        answer.taken.append(view->collection().record(i).name);
    const QStringList messages = prompts.messages();
    EXPECT_LE(messages.size(), 1) << messages.join("\n").toStdString();
    if (!messages.isEmpty()) {
        const QStringList lines = messages.first().split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < lines.size(); ++i)
            answer.refused.append(withoutFolder(lines.at(i)));
    }
    answer.taken.sort();
    answer.refused.sort();
    return answer;
}

Answer arriveInTheBatchReducer(const QString& folder)
{
    QTemporaryDir out;
    QProcess tool;
    tool.start(QStringLiteral(SNAPWANE_BUILD_DIR "/snapwane-reduce"), {"-o", out.path(), folder});
    EXPECT_TRUE(tool.waitForFinished(60000)) << "snapwane-reduce did not end";
    Answer answer;
    answer.taken = QDir(out.path()).entryList(QDir::Files);
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(QLatin1String("  ")))
            answer.refused.append(withoutFolder(line.trimmed()));
    }
    answer.taken.sort();
    answer.refused.sort();
    return answer;
}

TEST(PhotoArrival, EveryWayTakesTheSamePhotosAndRefusesTheSameFilesWithTheirReasons)
{
    snapwane::test::PhotoFolder folder;
    std::vector<std::uint8_t> phonePhoto = snapwane::test::MakeJpeg(1600, 1200);
    phonePhoto.resize(6'000'000, 0); // the size of a phone's photo, past any old byte limit
    const QString longName = QString(246, u'n') + QStringLiteral(".jpg");
    const QStringList files = {
        folder.write(QStringLiteral("phone.jpg"), phonePhoto),
        folder.writeJpeg(longName, 640, 480),
        folder.writeJpeg(QStringLiteral("small.jpg"), 300, 200),
        folder.write(QStringLiteral("text.jpg"), {'h', 'e', 'l', 'l', 'o'}),
        folder.path(QStringLiteral("pipe.jpg")),
    };
    ASSERT_EQ(::mkfifo(files.last().toLocal8Bit().constData(), 0600), 0);
    const QString photos = QFileInfo(files.first()).path();
    const Answer expected{{longName, QStringLiteral("phone.jpg")},
                          {QStringLiteral("pipe.jpg: cannot open the file"),
                           QStringLiteral("small.jpg: smaller than 320 x 240"),
                           QStringLiteral("text.jpg: not a JPEG photo or damaged")}};

    struct Way
    {
        const char* name;
        std::function<Answer()> arrive;
    };
    const Way ways[] = {
        {"file dialog", [&] {
             return arriveInTheProgram([&](CMainFrame& frame, ScriptedPrompts& prompts) {
                 prompts.fileAnswers = {files};
                 frame.onCommand(ids::cmd::LoadFiles);
             });
         }},
        {"folder", [&] {
             return arriveInTheProgram([&](CMainFrame& frame, ScriptedPrompts& prompts) {
                 prompts.folderAnswers = {photos};
                 frame.onCommand(ids::cmd::LoadFolder);
             });
         }},
        {"files dropped or on the command line",
         [&] { return arriveInTheProgram([&](CMainFrame& frame, ScriptedPrompts&) { frame.openPaths(files); }); }},
        {"folder dropped or on the command line",
         [&] { return arriveInTheProgram([&](CMainFrame& frame, ScriptedPrompts&) { frame.openPaths({photos}); }); }},
        {"snapwane-reduce", [&] { return arriveInTheBatchReducer(photos); }},
    };
    for (const Way& way : ways)
        EXPECT_EQ(way.arrive(), expected) << way.name;
}

TEST(PassedOverFiles, MessageListsAboutTwentyNamesAndCountsTheRest)
{
    struct Row
    {
        const char* name;
        int files;
        int linesShown;
        QString last;
    };
    const Row rows[] = {
        {"one", 1, 1, QStringLiteral("/p/1.jpg: smaller than 320 x 240")},
        {"twenty-one, all shown", 21, 21, QStringLiteral("/p/21.jpg: smaller than 320 x 240")},
        {"twenty-five", 25, 21, QStringLiteral("... and 5 more")},
    };
    for (const Row& row : rows) {
        PassedOverFiles passedOver;
        for (int i = 1; i <= row.files; ++i)
            passedOver.add(QStringLiteral("/p/%1.jpg").arg(i), snapwane::PhotoCheck::TooSmall);
        const QStringList lines = passedOver.message().split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.first(), row.files == 1 ? QStringLiteral("1 file was not loaded:")
                                                : QStringLiteral("%1 files were not loaded:").arg(row.files))
            << row.name;
        EXPECT_EQ(lines.size() - 1, row.linesShown) << row.name;
        EXPECT_EQ(lines.last(), row.last) << row.name;
    }
}

} // namespace
