// SPDX-License-Identifier: MIT
// A load seen on the screen: the window it fills stays drawn while photos
// arrive, and the progress window says what is going on while a question waits.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileProgressDlg.h"
#include "platform/NativePath.h"

#include <QDir>
#include <QLabel>

using namespace DisplaySupport;

namespace {

// Answers the subfolder question after looking at the screen as it stands.
class LookingPrompts : public ScriptedPrompts
{
public:
    std::function<void()> look;

protected:
    bool showYesNo(const QString& text) override
    {
        if (look)
            look();
        return ScriptedPrompts::showYesNo(text);
    }
};

class LoadOnScreen : public MainWindowFixture
{
};

// At start the window is maximised while the photos named on the command line
// load; here it grows while a card's folder waits for the subfolder question.
TEST_F(LoadOnScreen, WindowGrownDuringALoad_ShowsTheEmptyGridNotABlackRectangle)
{
    const QString card = NativePath::toNative(m_dir.filePath(QStringLiteral("card")));
    ASSERT_TRUE(QDir().mkpath(card + QStringLiteral("/100CAM")));
    ASSERT_TRUE(writePhoto(card + QStringLiteral("/100CAM/IMG_0001.JPG"), 640, 480));
    LookingPrompts prompts; // answers in place of the fixture's
    prompts.yesNoAnswers = {true};
    QWidget* grid = view()->photoListView()->viewport();
    const QColor background = view()->photoListView()->palette().color(QPalette::Base);
    CFileProgressDlg* progress = view()->fileProgressDlg();
    bool looked = false;
    prompts.look = [&] {
        looked = true;
        m_frame->resize(1180, 760);
        EXPECT_TRUE(waitFor([&] { return view()->photoListView()->geometry() == view()->rect(); }));
        // Two corners of the grid, away from the progress window in the middle of the screen.
        const QRect corners[] = {QRect(0, 0, 120, 80), QRect(grid->width() - 120, grid->height() - 80, 120, 80)};
        for (const QRect& corner : corners)
            EXPECT_TRUE(waitForScreenColour(grid, corner, background)) << "grid corner at " << corner.x();
        EXPECT_EQ(progress->windowTitle(), CFileProgressDlg::loadingCaption());
        EXPECT_EQ(progress->fileNameLine()->text(), card);
    };

    ASSERT_TRUE(m_frame->openPaths({card}));
    ASSERT_TRUE(waitFor([&] { return !view()->state().isLoading() && !view()->worker().isRunning(); }, 60000));

    EXPECT_TRUE(looked);
    EXPECT_EQ(view()->collection().count(), 1);
    EXPECT_EQ(view()->photoListView()->geometry(), view()->rect());
}

} // namespace
