// SPDX-License-Identifier: MIT
// Moving the current photo in the single-photo mode: commands, keys, the slide
// show, rotation, and what follows each move.
#include "PhotoViewFixture.h"

#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "photos/CPhotoCollection.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QSlider>

#include <functional>

namespace {

namespace cmd = ids::cmd;

class NavigationTest : public PhotoViewFixture
{
};

TEST_F(NavigationTest, ViewPhoto_OpensTheSelectedRowOrNothing)
{
    addPhotos(3);
    m_view->fileList()->clearRowSelection();
    m_view->commands().onCommand(cmd::ViewPhoto);
    EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::PhotoListMode);

    openPhoto(1);
    EXPECT_EQ(m_view->singlePhotoView()->geometry(), m_view->rect());
    EXPECT_TRUE(m_view->photoListView()->geometry().isEmpty());
    EXPECT_TRUE(m_view->fileList()->geometry().isEmpty());
}

TEST_F(NavigationTest, Commands_MoveWithinTheCollectionOnly)
{
    struct Row { const char* name; int start; int command; int expected; };
    const Row rows[] = {
        {"first from the last", 2, cmd::FirstPhoto, 0},
        {"previous from the last", 2, cmd::PreviousPhoto, 1},
        {"previous on the first", 0, cmd::PreviousPhoto, 0},
        {"next from the first", 0, cmd::NextPhoto, 1},
        {"next on the last", 2, cmd::NextPhoto, 2},
        {"last from the first", 0, cmd::LastPhoto, 2},
        {"last on the last", 2, cmd::LastPhoto, 2},
    };
    addPhotos(3);
    for (const Row& row : rows) {
        openPhoto(row.start);
        m_view->commands().onCommand(row.command);
        EXPECT_EQ(m_view->state().currentIndex(), row.expected) << row.name;
        EXPECT_EQ(selectedRow(), row.expected) << row.name;
        if (row.expected != row.start) { // a move marks the new photo alone
            EXPECT_EQ(markedPhotos(), QList<int>{row.expected}) << row.name;
        }
    }
}

TEST_F(NavigationTest, Keys_MoveInTheSinglePhotoMode)
{
    struct Row { const char* name; int start; int key; int expected; };
    const Row rows[] = {
        {"Up", 2, Qt::Key_Up, 0},          {"Home", 3, Qt::Key_Home, 0},
        {"Home on the first", 0, Qt::Key_Home, 0},
        {"Left", 2, Qt::Key_Left, 1},      {"Left on the first", 0, Qt::Key_Left, 0},
        {"Right", 1, Qt::Key_Right, 2},    {"Space", 1, Qt::Key_Space, 2},
        {"Right on the last", 3, Qt::Key_Right, 3},
        {"Down", 0, Qt::Key_Down, 3},      {"End", 1, Qt::Key_End, 3},
    };
    addPhotos(4);
    for (const Row& row : rows) {
        for (QWidget* target : {static_cast<QWidget*>(m_view.get()), static_cast<QWidget*>(m_view->singlePhotoView())}) {
            openPhoto(row.start);
            pressKey(target, row.key);
            EXPECT_EQ(m_view->state().currentIndex(), row.expected) << row.name << " to " << target->metaObject()->className();
        }
    }
}

TEST_F(NavigationTest, Keys_DoNothingOutsideTheSinglePhotoMode)
{
    addPhotos(4);
    for (int command : {cmd::PhotoList, cmd::FileList}) {
        m_view->commands().onCommand(command);
        m_view->state().setCurrentIndex(1);
        for (int key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_End}) {
            pressKey(m_view.get(), key);
            if (command == cmd::FileList) // the grid's own keys move its mark
                pressKey(m_view->photoListView(), key);
            EXPECT_EQ(m_view->state().currentIndex(), 1) << "command " << command << " key " << key;
        }
    }
}

TEST_F(NavigationTest, Move_ShowsTheColourCorrectionOfTheNewPhoto)
{
    addPhotos(2);
    m_view->collection().photo(1).setCorrections({.brightness = 20});
    openPhoto(0);
    m_view->commands().onCommand(cmd::ColorCorrection);
    ASSERT_TRUE(m_view->colorCorrectionDlg()->isVisible());
    m_view->commands().onCommand(cmd::NextPhoto);
    EXPECT_TRUE(m_view->colorCorrectionDlg()->isVisible());
    auto* brightness = WidgetId::find<QSlider>(m_view->colorCorrectionDlg(), ids::colorCorrection::Brightness);
    ASSERT_NE(brightness, nullptr);
    EXPECT_EQ(brightness->value(), 83);
}

TEST_F(NavigationTest, Rotation_QuarterTurnsComeRound)
{
    addPhotos(1, 640, 480);
    openPhoto(0);
    CPhotoImage& photo = m_view->collection().photo(0);
    m_view->commands().onCommand(cmd::RotateRight);
    EXPECT_EQ(photo.corrections().rotation, 90);
    EXPECT_EQ(photo.GetSize().height(), 144); // the thumbnail is made again, turned
    EXPECT_LT(photo.GetSize().width(), 144);
    for (int turn = 0; turn < 3; ++turn)
        m_view->commands().onCommand(cmd::RotateRight);
    EXPECT_EQ(photo.corrections().rotation, 0);
    EXPECT_EQ(photo.GetSize(), QSize(192, 144));
    m_view->commands().onCommand(cmd::RotateLeft);
    EXPECT_EQ(photo.corrections().rotation, 270);
}

// Width x height as the photo is seen: in the caption and in the file list.
TEST_F(NavigationTest, Rotation_SizesFollowTheTurn)
{
    addPhotos(1, 640, 480);
    openPhoto(0);
    int rowChanged = 0;
    QObject::connect(&m_view->collection(), &QAbstractItemModel::dataChanged, [&] { ++rowChanged; });
    m_view->commands().onCommand(cmd::RotateRight);
    m_view->singlePhotoView()->viewport()->grab(); // a paint sets the caption
    EXPECT_EQ(m_view->window()->windowTitle(), QStringLiteral("photo00.jpg 480x640 - ") + CMainView::kTitle);
    EXPECT_EQ(m_view->collection().index(0, CPhotoCollection::DimensionsColumn).data().toString(),
              QStringLiteral("480 x 640"));
    EXPECT_EQ(rowChanged, 1); // the list shows it again

    m_view->commands().onCommand(cmd::RotateRight);
    m_view->singlePhotoView()->viewport()->grab();
    EXPECT_EQ(m_view->window()->windowTitle(), QStringLiteral("photo00.jpg 640x480 - ") + CMainView::kTitle);
}

// The last photo is shown for a whole step too; the show ends on the tick after it.
TEST_F(NavigationTest, SlideShow_FromTheSecondToLastShowsTheLastThenEnds)
{
    addPhotos(4);
    openPhoto(2);
    m_view->commands().onCommand(cmd::FullScreen);
    ASSERT_TRUE(m_view->fullScreenDlg()->isVisible());
    m_view->commands().onCommand(cmd::SlideShow);
    ASSERT_TRUE(m_view->state().isSlideShow());

    m_view->navigator().onSlideShowTick();
    EXPECT_EQ(m_view->state().currentIndex(), 3);
    EXPECT_TRUE(m_view->state().isSlideShow());
    EXPECT_TRUE(m_view->fullScreenDlg()->isVisible());
    m_view->navigator().onSlideShowTick();
    EXPECT_EQ(m_view->state().currentIndex(), 3);
    EXPECT_FALSE(m_view->state().isSlideShow());
    EXPECT_FALSE(m_view->fullScreenDlg()->isVisible());
}

TEST_F(NavigationTest, SlideShow_WaitsOutsideTheSinglePhotoMode)
{
    addPhotos(4);
    openPhoto(0);
    m_view->commands().onCommand(cmd::SlideShow);
    m_view->commands().onCommand(cmd::PhotoList);
    m_view->navigator().onSlideShowTick();
    EXPECT_EQ(m_view->state().currentIndex(), 0);
    EXPECT_TRUE(m_view->state().isSlideShow());
    openPhoto(0);
    m_view->navigator().onSlideShowTick();
    EXPECT_EQ(m_view->state().currentIndex(), 1);
    EXPECT_TRUE(m_view->state().isSlideShow());
}

TEST_F(NavigationTest, FullScreen_EndsOnAClickOrEscapeAndKeepsTheKeys)
{
    addPhotos(3);
    openPhoto(0);
    CFullScreenDlg* fullScreen = m_view->fullScreenDlg();
    struct Row { const char* name; std::function<void()> end; };
    const Row rows[] = {
        {"left click", [&] { click(fullScreen, {10, 10}); }},
        {"right click", [&] { click(fullScreen, {10, 10}, Qt::RightButton); }},
        {"Escape", [&] { pressKey(fullScreen, Qt::Key_Escape); }},
    };
    for (const Row& row : rows) {
        m_view->commands().onCommand(cmd::FullScreen);
        ASSERT_TRUE(fullScreen->isVisible()) << row.name;
        row.end();
        EXPECT_FALSE(fullScreen->isVisible()) << row.name;
        EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::SinglePhotoMode) << row.name;
    }

    m_view->commands().onCommand(cmd::FullScreen);
    pressKey(fullScreen, Qt::Key_Space);
    EXPECT_EQ(m_view->state().currentIndex(), 1);
    EXPECT_TRUE(fullScreen->isVisible());
    click(m_view->singlePhotoView()->viewport(), {10, 10}, Qt::RightButton);
    EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::SinglePhotoMode); // full screen keeps the mode
    fullScreen->hide();
}

TEST_F(NavigationTest, DoubleClickOnTheSinglePhoto_GoesFullScreen_RightClickBackToTheGrid)
{
    addPhotos(2);
    openPhoto(1);
    doubleClick(m_view->singlePhotoView()->viewport(), {100, 100});
    EXPECT_TRUE(m_view->fullScreenDlg()->isVisible());
    pressKey(m_view->fullScreenDlg(), Qt::Key_Escape);

    click(m_view->singlePhotoView()->viewport(), {100, 100}, Qt::RightButton);
    EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::PhotoListMode);
    EXPECT_EQ(m_view->photoListView()->geometry(), m_view->rect());
}

} // namespace
