// SPDX-License-Identifier: MIT
// The main flow as a user goes through it, on the screen: a folder loaded, one
// photo turned, the list reduced into a typed folder and packed; then the files.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "core/JpegCodec.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "photos/CFileListView.h"
#include "platform/Shell.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest/QTest>

#include <fstream>
#include <iterator>

using namespace DisplaySupport;

namespace {

class MainFlow : public MainWindowFixture
{
protected:
    QPoint cellCentre(int index) const
    {
        const int columns = GridGeometry::columns(view()->photoListView()->viewport()->width());
        return GridGeometry::cellRect(GridGeometry::cellOrigin(index, columns)).center();
    }
};

// Tabs to target; false when it never gets there.
bool tabTo(QWidget* target)
{
    for (int press = 0; press < 20 && QApplication::focusWidget() != target; ++press)
        pressKey(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

QSize jpegSize(const QString& path)
{
    std::ifstream file(path.toStdString(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int width = 0, height = 0, channels = 0;
    snapwane::JpegCodec::Decode(bytes, snapwane::JpegCodec::kHeaderOnly, width, height, channels);
    return QSize(width, height);
}

// The names an archive holds (a zip, or a zip behind a self-extracting stub).
QStringList archivedNames(const QString& archive)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archive});
    if (!unzip.waitForFinished(10000))
        return {};
    QStringList names = QString::fromLocal8Bit(unzip.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    names.sort();
    return names;
}

TEST_F(MainFlow, LoadTurnReduceAndPack)
{
    const QString card = m_dir.filePath(QStringLiteral("card"));
    ASSERT_TRUE(QDir().mkpath(card));
    for (int number = 1; number <= 3; ++number) {
        const QString name = QStringLiteral("/IMG_%1.JPG").arg(number, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(DisplaySupport::writePhoto(card + name, 1600, 1200, colourOf(number)));
    }

    // Load from folder.
    m_prompts.folderAnswers = {card};
    clickToolButton(ids::cmd::LoadFolder);
    ASSERT_TRUE(waitFor([&] { return !view()->state().isLoading() && view()->collection().count() == 3; }, 20000));

    // The second photo opened and turned a quarter to the right, then back to the grid.
    doubleClick(view()->photoListView()->viewport(), cellCentre(1));
    ASSERT_EQ(view()->state().viewMode(), PhotoViewHost::SinglePhotoMode);
    ASSERT_EQ(view()->state().currentIndex(), 1);
    clickToolButton(ids::cmd::RotateRight);
    clickToolButton(ids::cmd::PhotoList);

    // Reduce: 640 x 480 in step 1; in step 2 a folder typed that does not exist
    // yet, and Merge ticked.
    const QString output = m_dir.filePath(QStringLiteral("small/today"));
    whenModalActive("CWizStep1Dlg", [](QWidget*) { pressKey(Qt::Key_Return); });
    whenModalActive("CWizStep2Dlg", [&](QWidget* step2) {
        namespace ctl = ids::wizardStep2;
        if (!tabTo(WidgetId::find<QWidget>(step2, ctl::OutputFolder)))
            return;
        pressKey(Qt::Key_A, Qt::ControlModifier);
        typeText(output);
        if (!tabTo(WidgetId::find<QWidget>(step2, ctl::SingleFile)))
            return;
        pressKey(Qt::Key_Space);
        pressKey(Qt::Key_Return);
    });
    // The packer really runs.
    const Shell::ProgramRunner recorder = Shell::setProgramRunner({});
    clickToolButton(ids::cmd::Reduce);
    const bool ended = waitFor([&] { return !view()->state().isReducing(); }, 30000);
    Shell::setProgramRunner(recorder);
    ASSERT_TRUE(ended);
    EXPECT_EQ(m_prompts.messages(), QStringList{"Would you like to open the output folder with new photos?"});

    // The reduced photos, the turned one upright as shown.
    EXPECT_EQ(jpegSize(output + QStringLiteral("/img_0001.jpg")), QSize(640, 480));
    EXPECT_EQ(jpegSize(output + QStringLiteral("/img_0002.jpg")), QSize(360, 480));
    EXPECT_EQ(jpegSize(output + QStringLiteral("/img_0003.jpg")), QSize(640, 480));
    // And the archive beside them, holding them.
    const QStringList photos = {QStringLiteral("img_0001.jpg"), QStringLiteral("img_0002.jpg"),
                                QStringLiteral("img_0003.jpg")};
    QString archive;
    EXPECT_TRUE(waitFor(
        [&] {
            const QStringList found = QDir(output).entryList({QStringLiteral("MyNewPhotos.*")}, QDir::Files);
            archive = found.isEmpty() ? QString() : QDir(output).filePath(found.front());
            return !archive.isEmpty() && archivedNames(archive) == photos;
        },
        20000))
        << archive.toStdString();
    EXPECT_EQ(QDir(output).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// Yes to "open the output folder" opens it and leaves the main window as the
// user left it: where it was, as large, maximised or not.
TEST_F(MainFlow, OpeningTheOutputFolderLeavesTheWindowAsItWas)
{
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        if (maximised) {
            m_frame->showMaximized();
            ASSERT_TRUE(waitFor([&] { return m_frame->isMaximized() && m_frame->isActiveWindow(); }));
        }
        QTest::qWait(200); // the window manager's last word on the placement
        const QRect before = m_frame->frameGeometry();
        if (view()->collection().count() == 0)
            addPhotos(1);
        const QString output = m_dir.filePath(maximised ? QStringLiteral("out2") : QStringLiteral("out1"));
        whenModalActive("CWizStep1Dlg", [](QWidget*) { pressKey(Qt::Key_Return); });
        whenModalActive("CWizStep2Dlg", [&](QWidget* step2) {
            auto* folder = WidgetId::find<QWidget>(step2, ids::wizardStep2::OutputFolder);
            if (!tabTo(folder))
                return;
            pressKey(Qt::Key_A, Qt::ControlModifier);
            typeText(output);
            pressKey(Qt::Key_Return);
        });
        m_prompts.yesNoAnswers = {true};
        clickToolButton(ids::cmd::Reduce);
        ASSERT_TRUE(waitFor([&] { return !view()->state().isReducing(); }, 30000));
        ASSERT_FALSE(m_shell.opened().isEmpty());
        ASSERT_EQ(m_shell.opened().last(), QUrl::fromLocalFile(output));
        QTest::qWait(300);
        EXPECT_EQ(m_frame->frameGeometry(), before);
        EXPECT_EQ(m_frame->isMaximized(), maximised);
    }
}

} // namespace
