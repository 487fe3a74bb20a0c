// SPDX-License-Identifier: MIT
// The slide show as the user sees it: started from the window, its first step
// comes a whole period later, and the last photo stays on the full screen for
// a step of its own before the show closes it.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "res/ids.h"

#include <QAction>
#include <QElapsedTimer>
#include <QtTest/QTest>

using namespace DisplaySupport;

namespace {

using SlideShowOnScreen = MainWindowFixture;

TEST_F(SlideShowOnScreen, FirstStepAfterAPeriod_LastPhotoShownFullScreenForAStep)
{
    constexpr int kPeriod = ids::SlideShowPeriodMs;
    constexpr int kSlack = 300; // event delivery, not the clock's accuracy
    addPhotos(3);
    QWidget* grid = view()->photoListView()->viewport();
    doubleClick(grid, GridGeometry::cellRect(GridGeometry::cellOrigin(1, GridGeometry::columns(grid->width()))).center());
    ASSERT_EQ(view()->state().currentIndex(), 1);
    QTest::qWait(kPeriod / 2); // the window has been open a while when the user starts the show

    action(ids::cmd::SlideShow)->trigger();
    QElapsedTimer sinceStart;
    sinceStart.start();
    doubleClick(view()->singlePhotoView()->viewport(), QPoint(50, 50));
    CFullScreenDlg* fullScreen = view()->fullScreenDlg();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fullScreen));

    ASSERT_TRUE(waitFor([&] { return view()->state().currentIndex() == 2; }, 2 * kPeriod));
    EXPECT_GE(sinceStart.elapsed(), kPeriod - kSlack);
    QElapsedTimer lastShown;
    lastShown.start();
    const QRect middle(fullScreen->rect().center(), QSize(4, 4));
    EXPECT_TRUE(waitForScreenColour(fullScreen, middle, colourOf(2), 12));
    EXPECT_TRUE(fullScreen->isVisible());

    ASSERT_TRUE(waitFor([&] { return !fullScreen->isVisible(); }, 2 * kPeriod));
    EXPECT_GE(lastShown.elapsed(), kPeriod - kSlack);
    EXPECT_FALSE(view()->state().isSlideShow());
    EXPECT_EQ(view()->state().currentIndex(), 2);
}

} // namespace
