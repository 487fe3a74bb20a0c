// SPDX-License-Identifier: MIT
// The colour correction window while the user moves through the photos: it
// follows the current photo without taking the keyboard from the window the
// user is in, and stays where it was put.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QAction>
#include <QApplication>
#include <QSlider>
#include <QtTest/QTest>

using namespace DisplaySupport;

namespace {

class ColourWindow : public MainWindowFixture
{
protected:
    // Photo 0 in the single-photo view with the colour window open beside it.
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        addPhotos(4);
        QWidget* grid = view()->photoListView()->viewport();
        doubleClick(grid, GridGeometry::cellRect(GridGeometry::cellOrigin(0, 4)).center());
        ASSERT_EQ(view()->state().viewMode(), PhotoViewHost::SinglePhotoMode);
        clickToolButton(ids::cmd::ColorCorrection);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog()));
        view()->collection().photo(2).setCorrections({.brightness = 20});
    }

    CColorCorrectionDlg* dialog() const { return view()->colorCorrectionDlg(); }
    QSlider* brightness() const { return WidgetId::find<QSlider>(dialog(), ids::colorCorrection::Brightness); }
    // The user clicks into the main window.
    bool activateMainWindow() const
    {
        m_frame->activateWindow();
        return QTest::qWaitForWindowActive(m_frame.get());
    }
};

TEST_F(ColourWindow, FullScreenSpaceSpaceEscape_MovesTwiceThenLeavesFullScreen)
{
    doubleClick(view()->singlePhotoView()->viewport(), QPoint(50, 50));
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()->fullScreenDlg()));

    ASSERT_TRUE(pressKey(Qt::Key_Space));
    ASSERT_TRUE(pressKey(Qt::Key_Space));
    EXPECT_EQ(view()->state().currentIndex(), 2);
    ASSERT_TRUE(pressKey(Qt::Key_Escape));

    EXPECT_TRUE(waitFor([&] { return !view()->fullScreenDlg()->isVisible(); }));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(brightness()->value(), CColorCorrectionDlg::kSliderMiddle + 20);
}

TEST_F(ColourWindow, KeysOnASlider_CorrectThePhotoOnTheScreenAndHideKeepsIt)
{
    QWidget* single = view()->singlePhotoView()->viewport();
    const QRect middle(single->rect().center(), QSize(4, 4));
    const auto brightnessOnScreen = [&] {
        const QColor pixel = grabScreen(single, middle).pixelColor(0, 0);
        return pixel.red() + pixel.green() + pixel.blue();
    };
    const int before = brightnessOnScreen();
    dialog()->activateWindow(); // the user clicks into the colour window
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == dialog(); }));
    brightness()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), brightness());

    ASSERT_TRUE(pressKey(Qt::Key_End));
    EXPECT_TRUE(waitFor([&] { return brightnessOnScreen() > before + 60; }));
    ASSERT_TRUE(pressKey(Qt::Key_Return)); // Hide

    EXPECT_TRUE(waitFor([&] { return !dialog()->isVisible(); }));
    EXPECT_EQ(view()->state().currentIndex(), 0);
    EXPECT_EQ(view()->collection().photo(0).corrections().brightness, 64);
    QTest::qWait(200);
    EXPECT_GT(brightnessOnScreen(), before + 60);
}

TEST_F(ColourWindow, RightInTheMainWindow_MovesThePhotoNotTheSlider)
{
    ASSERT_TRUE(activateMainWindow());

    for (int press = 0; press < 3; ++press)
        ASSERT_TRUE(pressKey(Qt::Key_Right));

    EXPECT_EQ(view()->state().currentIndex(), 3);
    EXPECT_EQ(QApplication::activeWindow(), m_frame.get());
    EXPECT_EQ(brightness()->value(), CColorCorrectionDlg::kSliderMiddle);
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(ColourWindow, ShownAgain_ReappearsWhereItWas)
{
    const QRect placed = dialog()->geometry(); // placed by the window manager before it was activated
    ASSERT_TRUE(activateMainWindow());
    ASSERT_TRUE(pressKey(Qt::Key_Right));

    for (int toggle = 0; toggle < 2; ++toggle) {
        clickToolButton(ids::cmd::ColorCorrection);
        ASSERT_TRUE(waitFor([&] { return !dialog()->isVisible(); }));
        clickToolButton(ids::cmd::ColorCorrection);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog()));
    }

    QTest::qWait(300); // the window manager places a shown window after it appears
    EXPECT_EQ(dialog()->geometry(), placed);
}

} // namespace
