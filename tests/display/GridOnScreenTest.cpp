// SPDX-License-Identifier: MIT
// Removing photos, seen on the screen: what the collection no longer holds
// is no longer drawn, in the thumbnail grid and in the single-photo view, and
// the photo marked on the screen is the one the next Delete removes.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "res/ids.h"

#include <QAction>
#include <QUrl>

using namespace DisplaySupport;

namespace {

class GridOnScreen : public MainWindowFixture
{
protected:
    QWidget* grid() const { return view()->photoListView()->viewport(); }
    QWidget* single() const { return view()->singlePhotoView()->viewport(); }
    QPoint cellOrigin(int index) const
    {
        return GridGeometry::cellOrigin(index, GridGeometry::columns(grid()->width()));
    }
    QRect cellRect(int index) const { return GridGeometry::cellRect(cellOrigin(index)); }
    QColor background() const { return view()->photoListView()->palette().color(QPalette::Base); }
    // The middle of photo index's thumbnail on the screen shows its colour.
    bool thumbnailShown(int index, int number) const
    {
        const QPoint middle = GridGeometry::thumbnailArea(cellOrigin(index)).center();
        return waitForScreenColour(grid(), QRect(middle, QSize(4, 4)), colourOf(number), 12);
    }
    // The frame of cell index shows in this colour on the screen.
    bool frameShows(int index, const QColor& colour) const
    {
        const QRect frame = GridGeometry::cellFrame(cellOrigin(index));
        return waitForScreenColour(grid(), QRect(frame.center().x() - 10, frame.top(), 20, 1), colour, 8);
    }
    bool singlePhotoShows(int number) const
    {
        return waitForScreenColour(single(), QRect(single()->rect().center(), QSize(4, 4)), colourOf(number), 12);
    }
};

TEST_F(GridOnScreen, RemovePhoto_EmptiesTheLastCellAndKeepsTheOthers)
{
    addPhotos(3);
    ASSERT_TRUE(thumbnailShown(2, 2));
    click(grid(), cellRect(2).center());
    ASSERT_EQ(view()->state().currentIndex(), 2);

    clickToolButton(ids::cmd::RemovePhoto);

    EXPECT_TRUE(waitForScreenColour(grid(), cellRect(2), background()));
    EXPECT_TRUE(thumbnailShown(0, 0));
    EXPECT_TRUE(thumbnailShown(1, 1));
}

TEST_F(GridOnScreen, RemovePhoto_MovesTheLaterPhotosUp)
{
    addPhotos(3);
    ASSERT_TRUE(thumbnailShown(2, 2));
    click(grid(), cellRect(1).center());

    clickToolButton(ids::cmd::RemovePhoto);

    EXPECT_TRUE(thumbnailShown(1, 2));
    EXPECT_TRUE(waitForScreenColour(grid(), cellRect(2), background()));
}

TEST_F(GridOnScreen, RemoveAll_EmptiesEveryCell)
{
    addPhotos(4);
    ASSERT_TRUE(thumbnailShown(3, 3));
    m_prompts.yesNoAnswers = {true};

    clickToolButton(ids::cmd::RemoveAll);

    EXPECT_EQ(view()->commands().statusText(), QStringLiteral("Empty"));
    EXPECT_TRUE(waitForScreenColour(grid(), grid()->rect(), background()));
}

TEST_F(GridOnScreen, RemovePhotoInSingleView_ShowsThePhotoThatIsCurrent)
{
    addPhotos(3);
    ASSERT_TRUE(thumbnailShown(1, 1));
    doubleClick(grid(), cellRect(1).center());
    ASSERT_EQ(view()->state().viewMode(), PhotoViewHost::SinglePhotoMode);
    ASSERT_TRUE(singlePhotoShows(1));

    clickToolButton(ids::cmd::RemovePhoto);

    ASSERT_EQ(view()->state().currentIndex(), 0);
    EXPECT_TRUE(singlePhotoShows(0));
    clickToolButton(ids::cmd::RunAndPrint);
    ASSERT_EQ(m_shell.opened().size(), 1);
    EXPECT_EQ(m_shell.opened().front(), QUrl::fromLocalFile(pathOf(0)));
}

TEST_F(GridOnScreen, RemoveAllInSingleView_LeavesAnEmptyGrid)
{
    addPhotos(2);
    ASSERT_TRUE(thumbnailShown(1, 1));
    doubleClick(grid(), cellRect(1).center());
    ASSERT_TRUE(singlePhotoShows(1));
    m_prompts.yesNoAnswers = {true};

    clickToolButton(ids::cmd::RemoveAll);

    EXPECT_EQ(view()->state().viewMode(), PhotoViewHost::PhotoListMode);
    EXPECT_TRUE(waitForScreenColour(grid(), grid()->rect(), background()));
}

TEST_F(GridOnScreen, DeleteInTheGrid_RemovesThePhotoMarkedOnTheScreen)
{
    addPhotos(4);
    ASSERT_TRUE(thumbnailShown(3, 3));
    click(grid(), cellRect(2).center());

    ASSERT_TRUE(pressKey(Qt::Key_Delete));
    EXPECT_TRUE(frameShows(1, view()->photoListView()->selectionColour()));
    EXPECT_TRUE(frameShows(0, view()->photoListView()->frameColour()));
    ASSERT_TRUE(pressKey(Qt::Key_Delete));
    EXPECT_TRUE(thumbnailShown(1, 3)); // photo 1 went, the marked one
    EXPECT_TRUE(frameShows(0, view()->photoListView()->selectionColour()));

    // Row 0 removed: nothing is marked, and Delete has nothing to remove.
    ASSERT_TRUE(pressKey(Qt::Key_Delete));
    EXPECT_TRUE(frameShows(0, view()->photoListView()->frameColour()));
    EXPECT_FALSE(action(ids::cmd::RemovePhoto)->isEnabled());
    ASSERT_TRUE(pressKey(Qt::Key_Delete));
    EXPECT_EQ(view()->collection().count(), 1);
    EXPECT_TRUE(thumbnailShown(0, 3));
}

// The keyboard's place shows: the marked frame moves with the arrows, and the
// marked name stands highlighted while the grid has the focus.
TEST_F(GridOnScreen, Keys_MoveTheMarkVisiblyAndEnterOpensIt)
{
    addPhotos(3);
    ASSERT_TRUE(thumbnailShown(2, 2));
    click(grid(), cellRect(0).center());
    const QColor highlight = view()->photoListView()->selectionColour();

    ASSERT_TRUE(pressKey(Qt::Key_Right));
    EXPECT_TRUE(frameShows(1, highlight));
    EXPECT_TRUE(frameShows(0, view()->photoListView()->frameColour()));
    const QRect name = GridGeometry::nameCaptionRect(cellOrigin(1));
    EXPECT_TRUE(waitForScreenColour(grid(), QRect(name.topLeft(), QSize(3, name.height())), highlight));

    ASSERT_TRUE(pressKey(Qt::Key_Return));
    EXPECT_EQ(view()->state().viewMode(), PhotoViewHost::SinglePhotoMode);
    EXPECT_TRUE(singlePhotoShows(1));
}

TEST_F(GridOnScreen, DeleteInTheSingleView_RemovesThePhotoShownEachTime)
{
    addPhotos(3);
    ASSERT_TRUE(thumbnailShown(0, 0));
    doubleClick(grid(), cellRect(0).center());
    ASSERT_TRUE(singlePhotoShows(0));

    ASSERT_TRUE(pressKey(Qt::Key_Delete));
    EXPECT_TRUE(singlePhotoShows(1));
    ASSERT_TRUE(pressKey(Qt::Key_Delete));
    EXPECT_TRUE(singlePhotoShows(2));
    ASSERT_EQ(view()->collection().count(), 1);
    EXPECT_EQ(view()->collection().pathOf(0), pathOf(2));
}

} // namespace
