// SPDX-License-Identifier: MIT
// The thumbnail grid and the single-photo view as drawn and as clicked.
#include "PhotoViewFixture.h"

#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "photos/CFileListView.h"
#include "res/ids.h"
#include "support/QtTestSupport.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeySequence>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

class PhotoListViewTest : public PhotoViewFixture
{
protected:
    CPhotoListView* grid() const { return m_view->photoListView(); }
    QWidget* gridPane() const { return grid()->viewport(); }
    QImage drawn(QWidget* pane) { return pane->grab().toImage(); }
    // A point inside the cell of photo index in a 4-column grid.
    static QPoint cellPoint(int index) { return QPoint(100 + 200 * (index % 4), 100 + 200 * (index / 4)); }
};

TEST_F(PhotoListViewTest, Grid_DrawsFramesThumbnailsAndTheSelection)
{
    addPhotos(7, 640, 480);
    const QImage image = drawn(gridPane());
    ASSERT_GE(image.width(), 830 - grid()->verticalScrollBar()->width());
    // Photo 0 is selected: a frame in the highlight colour; photo 4 sits at (2, 202) with a plain one.
    EXPECT_EQ(QColor(image.pixel(4, 100)), grid()->selectionColour());
    EXPECT_EQ(QColor(image.pixel(4, 300)), grid()->frameColour());
    EXPECT_EQ(QColor(image.pixel(200, 300)), grid()->frameColour());
    // Its 192 x 144 thumbnail fills the thumbnail area.
    const QColor thumbnail(image.pixel(2 + 4 + 96, 202 + 4 + 72));
    EXPECT_GT(thumbnail.saturation(), 100);
    EXPECT_NE(QColor(image.pixel(2 + 4 + 96, 202 + 160)), thumbnail); // the name caption
}

TEST_F(PhotoListViewTest, ScrollRange_FollowsTheGridHeight)
{
    m_view->resize(630, 300); // 3 columns, scroll bar included
    addPhotos(7, 640, 480);
    drawn(gridPane());
    EXPECT_EQ(grid()->gridHeight(), 602);
    EXPECT_EQ(grid()->verticalScrollBar()->maximum(), 604 - gridPane()->height());
}

TEST_F(PhotoListViewTest, Click_SelectsThePhotoHitOrNothing)
{
    addPhotos(7);
    struct Row { const char* name; QPoint at; int current; };
    const Row rows[] = {
        {"fifth photo", cellPoint(4), 4},
        {"right of the columns", {810, 100}, 4},
        {"after the last photo", cellPoint(7), 4},
        {"below the last row", cellPoint(8), 4},
        {"first photo", cellPoint(0), 0},
    };
    for (const Row& row : rows) {
        click(gridPane(), row.at);
        EXPECT_EQ(m_view->state().currentIndex(), row.current) << row.name;
        EXPECT_EQ(selectedRow(), row.current) << row.name;
        EXPECT_EQ(markedPhotos(), QList<int>{row.current}) << row.name;
    }
}

// Records the regions the grid is asked to paint.
class PaintRecorder : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(PhotoListViewTest, Click_RedrawsFramesAndCaptionsButNoThumbnail)
{
    addPhotos(7);
    PaintRecorder recorder;
    gridPane()->installEventFilter(&recorder);
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return !recorder.painted.isEmpty(); })); // the first paint
    recorder.painted = QRegion();
    click(gridPane(), cellPoint(4));
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return !recorder.painted.isEmpty(); }));
    gridPane()->removeEventFilter(&recorder);

    for (int index : {0, 4}) { // the old mark and the new one
        const QPoint cell = GridGeometry::cellOrigin(index, 4);
        EXPECT_TRUE(recorder.painted.intersects(GridGeometry::nameCaptionRect(cell))) << index;
        EXPECT_TRUE(recorder.painted.contains(GridGeometry::cellFrame(cell).topLeft())) << index;
        EXPECT_FALSE(recorder.painted.intersects(GridGeometry::thumbnailArea(cell))) << index;
    }
    const QImage image = drawn(gridPane());
    EXPECT_EQ(QColor(image.pixel(4, 100)), grid()->frameColour());
    EXPECT_EQ(QColor(image.pixel(4, 300)), grid()->selectionColour());
}

TEST_F(PhotoListViewTest, DoubleClick_OpensThePhoto_ClicksAreIgnoredWhileALoadRuns)
{
    addPhotos(3);
    m_view->state().setLoading(true);
    click(gridPane(), cellPoint(2));
    doubleClick(gridPane(), cellPoint(2));
    m_view->state().setLoading(false);
    EXPECT_EQ(m_view->state().currentIndex(), 0);
    EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::PhotoListMode);

    doubleClick(gridPane(), cellPoint(2));
    EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::SinglePhotoMode);
    EXPECT_EQ(m_view->state().currentIndex(), 2);
}

// The keys walk a 4-column grid of three visible rows; a move past an edge
// stays put, and the grid scrolls to the mark.
TEST_F(PhotoListViewTest, GridKeys_MoveTheMarkAndEnterOpensIt)
{
    addPhotos(14, 320, 240);
    click(gridPane(), cellPoint(0));
    const struct
    {
        int key;
        int marked;
    } steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 5},   {Qt::Key_Left, 4},     {Qt::Key_Up, 0},
        {Qt::Key_Up, 0},    {Qt::Key_Left, 0},   {Qt::Key_End, 13},     {Qt::Key_Right, 13},
        {Qt::Key_Home, 0},  {Qt::Key_PageDown, 12}, {Qt::Key_PageDown, 13}, {Qt::Key_PageUp, 1},
    };
    for (const auto& step : steps) {
        pressKey(grid(), step.key);
        EXPECT_EQ(markedPhotos(), QList<int>{step.marked}) << QKeySequence(step.key).toString().toStdString();
        EXPECT_EQ(selectedRow(), step.marked);
        if (step.key == Qt::Key_End) {
            const int top = GridGeometry::cellOrigin(13, 4).y() - grid()->verticalScrollBar()->value();
            EXPECT_TRUE(gridPane()->rect().contains(QRect(0, top, 10, GridGeometry::kCellSize)));
        }
    }
    pressKey(grid(), Qt::Key_Return);
    EXPECT_EQ(m_view->state().viewMode(), PhotoViewHost::SinglePhotoMode);
    EXPECT_EQ(m_view->state().currentIndex(), 1);
}

// A screen reader sees the grid as a list of its photos, and the single view
// as the picture it shows.
TEST_F(PhotoListViewTest, Accessible_GridListsItsPhotosWithNameSizeAndPlace)
{
    addPhotos(3, 640, 480);
    click(gridPane(), cellPoint(1));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(grid());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Photos"));
    ASSERT_EQ(list->childCount(), 3);
    QAccessibleInterface* second = list->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->role(), QAccessible::ListItem);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("photo01.jpg"));
    EXPECT_EQ(second->text(QAccessible::Description), QStringLiteral("640 x 480 pixels, photo 2 of 3"));
    EXPECT_EQ(second->parent(), list);
    EXPECT_EQ(list->indexOfChild(second), 1);
    EXPECT_TRUE(second->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_EQ(list->childAt(gridPane()->mapToGlobal(cellPoint(2)).x(), gridPane()->mapToGlobal(cellPoint(2)).y()),
              list->child(2));
    EXPECT_EQ(second->rect().center(), gridPane()->mapToGlobal(GridGeometry::cellRect(GridGeometry::cellOrigin(1, 4)).center()));

    openPhoto(2);
    EXPECT_EQ(list->childCount(), 0);
    QAccessibleInterface* single = QAccessible::queryAccessibleInterface(m_view->singlePhotoView());
    EXPECT_EQ(single->role(), QAccessible::Graphic);
    EXPECT_EQ(single->text(QAccessible::Description), QStringLiteral("photo02.jpg, 640 x 480 pixels"));
}

TEST_F(PhotoListViewTest, SinglePhoto_CentredOnBlackNeverEnlarged_WithItsCaption)
{
    addPhotos(2, 400, 300);
    openPhoto(1);
    QWidget* pane = m_view->singlePhotoView()->viewport();
    const QImage image = drawn(pane);
    const QPoint origin((pane->width() / 2) - 200, (pane->height() / 2) - 150);
    EXPECT_EQ(QColor(image.pixel(origin - QPoint(1, 1))), QColor(Qt::black));
    EXPECT_GT(QColor(image.pixel(origin + QPoint(200, 150))).saturation(), 100);
    EXPECT_EQ(QColor(image.pixel(origin + QPoint(400, 300))), QColor(Qt::black));
    EXPECT_EQ(m_view->window()->windowTitle(), QStringLiteral("photo01.jpg 400x300 - ") + CMainView::kTitle);
}

TEST_F(PhotoListViewTest, SinglePhoto_LargePhotoFitsTheView_AndTheGridPutsTheTitleBack)
{
    addPhotos(1, 1600, 1200);
    openPhoto(0);
    QWidget* pane = m_view->singlePhotoView()->viewport();
    const QImage image = drawn(pane);
    // 830 x 620 takes the photo at 826 x 620 (height binds), centred.
    EXPECT_GT(QColor(image.pixel(pane->width() / 2, 0)).saturation(), 100);
    EXPECT_EQ(QColor(image.pixel(0, pane->height() / 2)), QColor(Qt::black));
    EXPECT_EQ(m_view->window()->windowTitle(), QStringLiteral("photo00.jpg 1600x1200 - ") + CMainView::kTitle);
    m_view->commands().onCommand(ids::cmd::PhotoList); // the grid puts the title back
    EXPECT_EQ(m_view->window()->windowTitle(), CMainView::kTitle);
}

TEST_F(PhotoListViewTest, FullScreenTarget_FitsTheScreenExactly)
{
    addPhotos(1, 1600, 1200);
    openPhoto(0);
    QImage screen(1024, 768, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    m_view->singlePhotoView()->paintSinglePhoto(painter, screen.size());
    painter.end();
    for (const QPoint corner : {QPoint(0, 0), QPoint(1023, 0), QPoint(0, 767), QPoint(1023, 767)})
        EXPECT_NE(QColor(screen.pixel(corner)), QColor(Qt::black)) << corner.x() << "," << corner.y();
    EXPECT_EQ(m_view->window()->windowTitle(), QStringLiteral("photo00.jpg 1600x1200 - ") + CMainView::kTitle);
}

// The longest captions the grid draws, of wide and of narrow letters, fit the
// caption's width at the system's fonts; a name that fits keeps the designed size.
struct CaptionRow
{
    const char* name;
    QString caption;
    bool keepsDesignedSize;
};

class GridCaption : public ::testing::TestWithParam<CaptionRow>
{
};

TEST_P(GridCaption, FitsTheCell)
{
    const int width = GridGeometry::nameCaptionRect(QPoint(0, 0)).width();
    const QFont font = CPhotoListView::captionFont(GetParam().caption, width);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(GetParam().caption), width);
    if (GetParam().keepsDesignedSize) {
        EXPECT_EQ(font.pixelSize(), CPhotoListView::kCaptionPixelSize);
    }
}

const QString kCut = QStringLiteral("...");
const CaptionRow kCaptions[] = {
    {"WideLowerCase", QString(CPhotoImage::kDisplayNameLength, u'w') + kCut, false},
    {"WideUpperCase", QString(CPhotoImage::kDisplayNameLength, u'W') + kCut, false},
    {"PhoneName", QStringLiteral("img_20261207_135800") + kCut, false},
    {"CameraName", QStringLiteral("dscn0001.jpg"), true},
    {"SizeCaption", QStringLiteral("5000 x 5000"), true},
};
INSTANTIATE_TEST_SUITE_P(Captions, GridCaption, ::testing::ValuesIn(kCaptions),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
