// SPDX-License-Identifier: MIT
// The main frame: caption, size limit, menu and toolbar layout, status panes,
// routing of commands the main view does not handle, and the desktop actions.
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "platform/NativePath.h"
#include "platform/UserGuide.h"
#include "platform/WidgetId.h"
#include "res/ids.h"
#include "support/FakePhotos.h"
#include "support/RecordingShell.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTextBrowser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

namespace cmd = ids::cmd;

// Command ids of a list of actions, 0 for a separator.
std::vector<int> idsOf(const QList<QAction*>& actions)
{
    std::vector<int> result;
    for (const QAction* action : actions)
        result.push_back(action->isSeparator() ? 0 : WidgetId::of(action));
    return result;
}

class MainFrame : public ::testing::Test
{
protected:
    QAction* action(int id) { return WidgetId::find<QAction>(&frame, id); }

    CMainFrame frame;
    RecordingShell shell;
};

TEST_F(MainFrame, CaptionIsTheTitleAfterStart)
{
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quenfield Snapwane v1.3"));
    EXPECT_EQ(frame.view()->state().viewMode(), PhotoViewHost::PhotoListMode);
    EXPECT_EQ(frame.view()->state().currentIndex(), -1);
}

TEST_F(MainFrame, NeverSmallerThan630By450)
{
    frame.showNormal();
    frame.resize(600, 400);
    EXPECT_EQ(frame.size(), QSize(630, 450));
    frame.resize(800, 300);
    EXPECT_EQ(frame.size(), QSize(800, 450));
    frame.close();
}

TEST_F(MainFrame, MenusHoldTheCommandsInOrder)
{
    const std::vector<std::pair<QString, std::vector<int>>> expected = {
        {"&File", {cmd::LoadCamera, cmd::LoadFolder, cmd::LoadFiles, 0, cmd::RunAndPrint, 0, cmd::RemovePhoto,
                   cmd::RemoveAll, 0, cmd::Exit}},
        {"&View", {cmd::ViewPhoto, cmd::PhotoList, cmd::FileList, 0, cmd::FullScreen, 0, cmd::SlideShow, 0,
                   cmd::ViewToolBar, cmd::ViewStatusBar}},
        {"&Photo", {cmd::RotateLeft, cmd::RotateRight, 0, cmd::ColorCorrection}},
        {"&Browse", {cmd::FirstPhoto, cmd::PreviousPhoto, cmd::NextPhoto, cmd::LastPhoto}},
        {"&Reduce", {cmd::Reduce, cmd::Stop}},
        {"&Help", {cmd::HelpContents, cmd::HomePage, 0, cmd::About}},
    };
    const QList<QAction*> popups = frame.menuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(expected.size()));
    for (qsizetype i = 0; i < popups.size(); ++i) {
        EXPECT_EQ(popups[i]->text(), expected[i].first);
        EXPECT_EQ(idsOf(popups[i]->menu()->actions()), expected[i].second) << expected[i].first.toStdString();
    }
}

// Each marked command's item looks different checked and clear, icon or not.
TEST_F(MainFrame, MarkedCommandsShowTheirStateInTheMenu)
{
    for (QAction* popup : frame.menuBar()->actions()) {
        QMenu* menu = popup->menu();
        menu->ensurePolished();
        menu->adjustSize();
        for (QAction* item : menu->actions()) {
            if (!item->isCheckable())
                continue;
            const QRect area = menu->actionGeometry(item);
            item->setChecked(false);
            const QImage clear = menu->grab(area).toImage();
            item->setChecked(true);
            const QImage checked = menu->grab(area).toImage();
            EXPECT_NE(clear, checked) << item->text().toStdString();
        }
    }
}

TEST_F(MainFrame, ToolbarHoldsTheButtonsInOrder)
{
    auto* toolBar = WidgetId::find<QToolBar>(&frame, ids::ToolBar);
    ASSERT_NE(toolBar, nullptr);
    const std::vector<int> expected = {
        cmd::LoadCamera, cmd::LoadFolder, cmd::LoadFiles, 0, cmd::RemovePhoto, cmd::RemoveAll, 0, cmd::FileList,
        cmd::PhotoList, cmd::ViewPhoto, 0, cmd::RotateLeft, cmd::RotateRight, 0, cmd::ColorCorrection, 0,
        cmd::RunAndPrint, 0, cmd::FirstPhoto, cmd::PreviousPhoto, cmd::NextPhoto, cmd::LastPhoto, 0, cmd::Reduce,
        cmd::Stop, 0, cmd::Help, 0, cmd::Exit,
    };
    EXPECT_EQ(idsOf(toolBar->actions()), expected);
    EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(toolBar->isMovable());
    for (int id : expected) {
        if (id == 0)
            continue;
        EXPECT_FALSE(action(id)->icon().pixmap(16, 16).isNull()) << "icon of " << id;
    }
}

TEST_F(MainFrame, CommandsCarryTheirPromptsAndTooltips)
{
    struct Row
    {
        int id;
        const char* prompt;
        const char* toolTip;
    };
    const Row rows[] = {
        {cmd::LoadFiles, "Load photos - JPEG files", "Load photos"},
        {cmd::RemoveAll, "Remove all photos from the list", "Remove all photos"},
        {cmd::RotateLeft, "Rotate photo -90", "Rotate -90"},
        {cmd::RunAndPrint, "Run this file and print photo", "Run and Print"},
        {cmd::Exit, "Quit the application; prompts to save documents", "Exit"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(action(row.id)->statusTip(), QString::fromUtf8(row.prompt));
        EXPECT_EQ(action(row.id)->toolTip(), QString::fromUtf8(row.toolTip));
    }
}

TEST_F(MainFrame, StatusBarShowsIdleTextThenCountAndLockPanes)
{
    auto* statusBar = WidgetId::find<QStatusBar>(&frame, ids::StatusBar);
    ASSERT_NE(statusBar, nullptr);
    const QList<QLabel*> panes = statusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    std::vector<int> paneIds;
    for (const QLabel* pane : panes)
        paneIds.push_back(WidgetId::of(pane));
    EXPECT_EQ(paneIds, (std::vector<int>{-1, ids::pane::PhotoCount, ids::pane::CapsLock, ids::pane::NumLock,
                                          ids::pane::ScrollLock}));
    EXPECT_EQ(panes[0]->text(), QStringLiteral("Ready"));
    const QLabel* count = panes[1];
    EXPECT_GE(count->minimumWidth(), count->fontMetrics().horizontalAdvance(QStringLiteral("0000 photos loaded")));
}

TEST_F(MainFrame, ToolbarAndStatusBarTogglesWorkThroughTheFrame)
{
    auto* toolBar = WidgetId::find<QToolBar>(&frame, ids::ToolBar);
    auto* statusBar = WidgetId::find<QStatusBar>(&frame, ids::StatusBar);
    EXPECT_FALSE(frame.view()->commands().onCommand(cmd::ViewToolBar)); // not the main view's
    ASSERT_TRUE(action(cmd::ViewToolBar)->isChecked());

    action(cmd::ViewToolBar)->trigger();
    EXPECT_TRUE(toolBar->isHidden());
    EXPECT_FALSE(action(cmd::ViewToolBar)->isChecked());
    action(cmd::ViewToolBar)->trigger();
    EXPECT_FALSE(toolBar->isHidden());
    EXPECT_TRUE(action(cmd::ViewToolBar)->isChecked());

    action(cmd::ViewStatusBar)->trigger();
    EXPECT_TRUE(statusBar->isHidden());
    EXPECT_FALSE(action(cmd::ViewStatusBar)->isChecked());
}

// Without a help file in the start folder, Help opens the user guide: from the
// build tree, the copy beside the program.
TEST_F(MainFrame, HelpOpensTheUserGuideWhenTheStartFolderHasNoHelpFile)
{
    ASSERT_FALSE(QFileInfo::exists(NativePath::join(QDir::currentPath(), QStringLiteral("swhelp.chm"))));
    const QUrl expected = QUrl::fromLocalFile(QStringLiteral(SNAPWANE_BUILD_DIR "/docs/guide/index.html"));
    action(cmd::Help)->trigger();
    action(cmd::HelpContents)->trigger();
    EXPECT_EQ(shell.opened(), (QList<QUrl>{expected, expected}));
}

TEST_F(MainFrame, HelpThatNoBrowserOpensShowsTheGuideInTheProgramsOwnWindow)
{
    ScriptedPrompts prompts;
    shell.openSucceeds = false;
    action(cmd::Help)->trigger();
    QDialog* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowTitle() == UserGuide::windowTitle())
            window = qobject_cast<QDialog*>(top);
    }
    ASSERT_NE(window, nullptr);
    auto* browser = window->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(QStringLiteral(SNAPWANE_BUILD_DIR "/docs/guide/index.html")));
    EXPECT_FALSE(browser->toPlainText().isEmpty());
    EXPECT_TRUE(prompts.log.isEmpty());
    window->close();
}

TEST_F(MainFrame, HelpOpensTheHelpFileOfTheStartFolderFirst)
{
    QTemporaryDir start;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(start.path()));
    QFile(start.filePath(QStringLiteral("swhelp.chm"))).open(QIODevice::WriteOnly);
    CMainFrame startedHere;
    QDir::setCurrent(previous);

    WidgetId::find<QAction>(&startedHere, cmd::Help)->trigger();
    EXPECT_EQ(shell.opened(), QList<QUrl>{QUrl::fromLocalFile(NativePath::join(start.path(), QStringLiteral("swhelp.chm")))});
}

// The common keys, each on its command only (so only while the command is enabled).
TEST_F(MainFrame, CommonKeysBelongToTheirCommandsAndNoKeyIsUsedTwice)
{
    const std::vector<std::pair<int, QKeySequence>> keys = {
        {cmd::LoadFiles, QKeySequence(QStringLiteral("Ctrl+O"))},
        {cmd::RemovePhoto, QKeySequence(QStringLiteral("Del"))},
        {cmd::FullScreen, QKeySequence(QStringLiteral("F11"))},
        {cmd::Exit, QKeySequence(QStringLiteral("Ctrl+Q"))},
    };
    for (const auto& [id, key] : keys)
        EXPECT_EQ(action(id)->shortcut(), key) << id;

    QSet<QString> used;
    for (QAction* each : frame.findChildren<QAction*>()) {
        for (const QKeySequence& key : each->shortcuts()) {
            EXPECT_FALSE(used.contains(key.toString())) << key.toString().toStdString();
            used.insert(key.toString());
        }
    }
    // Empty list: Remove photo and Full screen are disabled, so their keys do nothing.
    EXPECT_FALSE(action(cmd::RemovePhoto)->isEnabled());
    EXPECT_FALSE(action(cmd::FullScreen)->isEnabled());
    EXPECT_TRUE(action(cmd::LoadFiles)->isEnabled());
}

TEST_F(MainFrame, HomePageAndAboutButtonsOpenTheMakersAddresses)
{
    action(cmd::HomePage)->trigger();
    CAboutDlg about(&frame);
    WidgetId::find<QPushButton>(&about, ids::about::HomePage)->click();
    WidgetId::find<QPushButton>(&about, ids::about::Email)->click();

    const QList<QUrl> opened = shell.opened();
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.quenfield.com")));
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_EQ(opened[2].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[2].path(), QStringLiteral("support@quenfield.com"));
    EXPECT_EQ(QUrlQuery(opened[2]).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("About Snapwane software"));

    about.show();
    WidgetId::find<QPushButton>(&about, ids::about::Close)->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainFrame, RunAndPrintOpensTheCurrentPhotosFile)
{
    CMainView* view = frame.view();
    for (const char* path : {"/photos/a b.jpg", "/photos/ü.jpg", "/photos/c.jpg"})
        appendUnloadedPhoto(view->collection(), QString::fromUtf8(path));
    view->state().setViewMode(PhotoViewHost::SinglePhotoMode);
    view->state().setCurrentIndex(1);
    action(cmd::RunAndPrint)->trigger();
    EXPECT_EQ(shell.opened(), QList<QUrl>{QUrl::fromLocalFile(QString::fromUtf8("/photos/ü.jpg"))});
}

} // namespace
