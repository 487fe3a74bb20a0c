// SPDX-License-Identifier: MIT
// Enable rules, marks and the status pane of the main view's commands, read
// through the actions of a real main frame by their command ids.
#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "imaging/CColorCorrectionDlg.h"
#include "photos/CFileListView.h"
#include "platform/WidgetId.h"
#include "res/ids.h"
#include "support/FakePhotos.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <set>

namespace {

namespace cmd = ids::cmd;

const std::vector<int> kAllCommands = {
    cmd::LoadFiles, cmd::LoadFolder, cmd::LoadCamera, cmd::RemovePhoto, cmd::RemoveAll, cmd::ViewPhoto,
    cmd::FileList, cmd::PhotoList, cmd::FirstPhoto, cmd::PreviousPhoto, cmd::NextPhoto, cmd::LastPhoto,
    cmd::RotateLeft, cmd::RotateRight, cmd::ColorCorrection, cmd::FullScreen, cmd::SlideShow, cmd::RunAndPrint,
    cmd::Reduce, cmd::Stop, cmd::HelpContents, cmd::Help, cmd::HomePage, cmd::Exit, cmd::About,
    cmd::ViewToolBar, cmd::ViewStatusBar,
};
const std::set<int> kAlways = {cmd::HelpContents, cmd::Help, cmd::HomePage, cmd::About, cmd::ViewToolBar,
                               cmd::ViewStatusBar};
const std::set<int> kIdle = {cmd::LoadFiles, cmd::LoadFolder, cmd::LoadCamera, cmd::FileList, cmd::PhotoList,
                             cmd::Exit};
const std::set<int> kWithPhotos = {cmd::RemovePhoto, cmd::RemoveAll, cmd::ViewPhoto, cmd::Reduce};
const std::set<int> kSinglePhoto = {cmd::RotateLeft, cmd::RotateRight, cmd::ColorCorrection, cmd::FullScreen,
                                    cmd::RunAndPrint};
const std::set<int> kBack = {cmd::FirstPhoto, cmd::PreviousPhoto};
const std::set<int> kForward = {cmd::NextPhoto, cmd::LastPhoto, cmd::SlideShow};

std::set<int> unite(std::initializer_list<std::set<int>> sets)
{
    std::set<int> all;
    for (const auto& set : sets)
        all.insert(set.begin(), set.end());
    return all;
}

struct StateRow
{
    const char* name;
    int photos;
    int mode;
    int current;
    bool loading;
    bool reducing;
    std::set<int> enabled;
    int radioMarked;
};

void PrintTo(const StateRow& row, std::ostream* out)
{
    *out << row.name;
}

const StateRow kStates[] = {
    {"NoPhotos", 0, PhotoViewHost::PhotoListMode, -1, false, false, unite({kAlways, kIdle}), cmd::PhotoList},
    {"PhotoList", 12, PhotoViewHost::PhotoListMode, 0, false, false, unite({kAlways, kIdle, kWithPhotos}), cmd::PhotoList},
    {"FileList", 12, PhotoViewHost::FileListMode, 5, false, false, unite({kAlways, kIdle, kWithPhotos}), cmd::FileList},
    // Remove photo and View photo act on the marked photo: with none there is nothing to act on.
    {"NothingMarked", 12, PhotoViewHost::PhotoListMode, -1, false, false,
     unite({kAlways, kIdle, {cmd::RemoveAll, cmd::Reduce}}), cmd::PhotoList},
    {"SingleFirst", 12, PhotoViewHost::SinglePhotoMode, 0, false, false,
     unite({kAlways, kIdle, kWithPhotos, kSinglePhoto, kForward}), cmd::ViewPhoto},
    {"SingleMiddle", 12, PhotoViewHost::SinglePhotoMode, 5, false, false,
     unite({kAlways, kIdle, kWithPhotos, kSinglePhoto, kBack, kForward}), cmd::ViewPhoto},
    {"SingleLast", 12, PhotoViewHost::SinglePhotoMode, 11, false, false,
     unite({kAlways, kIdle, kWithPhotos, kSinglePhoto, kBack}), cmd::ViewPhoto},
    {"SingleOnlyPhoto", 1, PhotoViewHost::SinglePhotoMode, 0, false, false,
     unite({kAlways, kIdle, kWithPhotos, kSinglePhoto}), cmd::ViewPhoto},
    {"SingleStaleCurrent", 3, PhotoViewHost::SinglePhotoMode, 7, false, false,
     unite({kAlways, kIdle, {cmd::RemoveAll, cmd::Reduce}, kBack,
            {cmd::RotateLeft, cmd::RotateRight, cmd::ColorCorrection, cmd::FullScreen}}),
     cmd::ViewPhoto},
    {"Loading", 12, PhotoViewHost::SinglePhotoMode, 5, true, false, kAlways, cmd::ViewPhoto},
    {"Reducing", 12, PhotoViewHost::FileListMode, 5, false, true, unite({kAlways, {cmd::Stop}}), cmd::FileList},
    {"LoadingWhileReducing", 12, PhotoViewHost::PhotoListMode, 0, true, true, kAlways, cmd::PhotoList},
};

class MainViewCommands : public ::testing::TestWithParam<StateRow>
{
protected:
    QAction* action(int id) { return WidgetId::find<QAction>(&frame, id); }

    void setPhotos(int count)
    {
        CMainView* view = frame.view();
        for (int i = 0; i < count; ++i)
            appendUnloadedPhoto(view->collection(), QStringLiteral("/photos/p%1.jpg").arg(i));
        view->notifyStateChanged();
    }

    CMainFrame frame;
};

TEST_P(MainViewCommands, EnableRulesAndRadioMarksFollowTheState)
{
    const StateRow& row = GetParam();
    CMainView* view = frame.view();
    setPhotos(row.photos);
    view->state().setViewMode(row.mode);
    view->fileList()->selectRow(row.current); // the current photo is the marked one, when there is one
    view->state().setCurrentIndex(row.current);
    view->state().setLoading(row.loading);
    view->state().setReducing(row.reducing);

    for (int id : kAllCommands) {
        ASSERT_NE(action(id), nullptr) << id;
        EXPECT_EQ(action(id)->isEnabled(), row.enabled.count(id) == 1) << "command " << id;
    }
    for (int id : {cmd::ViewPhoto, cmd::FileList, cmd::PhotoList})
        EXPECT_EQ(action(id)->isChecked(), id == row.radioMarked) << "command " << id;
}

INSTANTIATE_TEST_SUITE_P(States, MainViewCommands, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

class MainViewState : public MainViewCommands
{
};

TEST_F(MainViewState, StatusPaneCountsPhotos)
{
    auto* pane = WidgetId::find<QLabel>(&frame, ids::pane::PhotoCount);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(), QStringLiteral("Empty"));
    setPhotos(1);
    EXPECT_EQ(pane->text(), QStringLiteral("1 photo loaded"));
    setPhotos(11);
    EXPECT_EQ(pane->text(), QStringLiteral("12 photos loaded"));
}

TEST_F(MainViewState, SlideShowIsCheckedWhileItsFlagIsSet)
{
    setPhotos(4);
    frame.view()->state().setViewMode(PhotoViewHost::SinglePhotoMode);
    frame.view()->state().setCurrentIndex(1);
    action(cmd::SlideShow)->trigger();
    EXPECT_TRUE(frame.view()->state().isSlideShow());
    EXPECT_TRUE(action(cmd::SlideShow)->isChecked());
    action(cmd::SlideShow)->trigger();
    EXPECT_FALSE(frame.view()->state().isSlideShow());
    EXPECT_FALSE(action(cmd::SlideShow)->isChecked());
}

TEST_F(MainViewState, ColorCorrectionTogglesItsWindowOnlyInSinglePhotoMode)
{
    setPhotos(2);
    frame.show();
    frame.view()->state().setViewMode(PhotoViewHost::SinglePhotoMode);
    frame.view()->state().setCurrentIndex(0);
    action(cmd::ColorCorrection)->trigger();
    EXPECT_TRUE(frame.view()->colorCorrectionDlg()->isVisible());
    EXPECT_TRUE(action(cmd::ColorCorrection)->isChecked());
    action(cmd::ColorCorrection)->trigger();
    EXPECT_FALSE(frame.view()->colorCorrectionDlg()->isVisible());
    EXPECT_FALSE(action(cmd::ColorCorrection)->isChecked());

    action(cmd::ColorCorrection)->trigger();
    action(cmd::PhotoList)->trigger(); // leaving the mode hides the window
    EXPECT_FALSE(frame.view()->colorCorrectionDlg()->isVisible());
    EXPECT_FALSE(action(cmd::ColorCorrection)->isChecked());
    frame.close();
}

TEST_F(MainViewState, StopClearsTheReducingFlag)
{
    setPhotos(3);
    frame.view()->state().setReducing(true);
    ASSERT_TRUE(action(cmd::Stop)->isEnabled());
    action(cmd::Stop)->trigger();
    EXPECT_FALSE(frame.view()->state().isReducing());
    EXPECT_FALSE(action(cmd::Stop)->isEnabled());
    EXPECT_TRUE(action(cmd::Reduce)->isEnabled());
}

TEST_F(MainViewState, DisabledCommandIsNotCarriedOutWhenRoutedDirectly)
{
    frame.view()->state().setReducing(false);
    frame.onCommand(cmd::SlideShow); // no photos: the rule refuses it
    EXPECT_FALSE(frame.view()->state().isSlideShow());
}

TEST_F(MainViewState, FlagClearedByAWorkerThreadReachesTheCommands)
{
    setPhotos(2);
    frame.view()->state().setLoading(true);
    ASSERT_FALSE(action(cmd::Reduce)->isEnabled());
    std::atomic<bool> cleared = false;
    ASSERT_TRUE(frame.view()->worker().start([&](const std::atomic<bool>&) {
        frame.view()->state().setLoading(false);
        cleared = true;
    }));
    while (!cleared || !action(cmd::Reduce)->isEnabled())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    frame.view()->worker().wait();
    EXPECT_TRUE(action(cmd::LoadFiles)->isEnabled());
}

} // namespace
