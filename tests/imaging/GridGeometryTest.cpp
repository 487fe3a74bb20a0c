// SPDX-License-Identifier: MIT
// The thumbnail grid's arithmetic: columns, cell places, heights, hits, centring.
#include "imaging/GridGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(GridGeometry, Columns_FollowTheWidthInWholeCells)
{
    struct Row { const char* name; int width; int columns; };
    const Row rows[] = {
        {"narrower than one cell", 199, 0},
        {"exactly one cell", 200, 1},
        {"830 pixels", 830, 4},
        {"no width", 0, 0},
        {"negative width", -5, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GridGeometry::columns(row.width), row.columns) << row.name;
}

TEST(GridGeometry, CellOrigin_FifthPhotoOfFourColumnsStartsTheSecondRow)
{
    const int columns = GridGeometry::columns(830);
    EXPECT_EQ(GridGeometry::cellOrigin(0, columns), QPoint(2, 2));
    EXPECT_EQ(GridGeometry::cellOrigin(3, columns), QPoint(602, 2));
    EXPECT_EQ(GridGeometry::cellOrigin(4, columns), QPoint(2, 202));
}

TEST(GridGeometry, Heights_CountWholeRowsPlusMargins)
{
    struct Row { const char* name; int photos; int columns; int grid; int scroll; };
    const Row rows[] = {
        {"7 photos in 3 columns", 7, 3, 602, 604},
        {"6 photos fill 2 rows of 3", 6, 3, 402, 404},
        {"empty collection", 0, 3, 2, 4},
        {"no columns", 5, 0, 2, 4},
    };
    for (const Row& row : rows) {
        const int grid = GridGeometry::gridHeight(row.photos, row.columns);
        EXPECT_EQ(grid, row.grid) << row.name;
        EXPECT_EQ(GridGeometry::scrollHeight(grid), row.scroll) << row.name;
    }
}

TEST(GridGeometry, HitTest_FindsThePhotoUnderThePointOrNone)
{
    struct Row { const char* name; QPoint point; int scrollY; int width; int photos; int hit; };
    const Row rows[] = {
        {"first cell", {10, 10}, 0, 830, 7, 0},
        {"fifth photo, second row", {50, 250}, 0, 830, 7, 4},
        {"right of the last column", {810, 10}, 0, 830, 7, -1},
        {"after the last photo in its row", {650, 250}, 0, 830, 7, -1},
        {"below the last row", {10, 450}, 0, 830, 7, -1},
        {"empty grid", {10, 10}, 0, 830, 0, -1},
        {"narrower than a cell", {10, 10}, 0, 150, 7, -1},
        {"scrolled down one row", {10, 10}, 200, 830, 7, 4},
        {"last 2 pixels of the first cell", {201, 201}, 0, 830, 7, 0},
        {"first pixel of the second cell", {202, 10}, 0, 830, 7, 1},
        {"the grid's margin", {1, 10}, 0, 830, 7, -1},
        {"last 2 pixels of the last column", {801, 10}, 0, 830, 7, 3},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GridGeometry::hitTest(row.point, row.scrollY, row.width, row.photos), row.hit) << row.name;
}

TEST(GridGeometry, ThumbnailOrigin_CentresInTheThumbnailArea)
{
    const QPoint cell(202, 402);
    EXPECT_EQ(GridGeometry::thumbnailOrigin(cell, QSize(100, 75)), cell + QPoint(50, 38));
    EXPECT_EQ(GridGeometry::thumbnailOrigin(cell, QSize(192, 144)), cell + QPoint(4, 4));
}

TEST(GridGeometry, CellParts_LieAtTheirPlacesInTheCell)
{
    const QPoint cell(2, 202);
    EXPECT_EQ(GridGeometry::cellFrame(cell), QRect(QPoint(4, 204), QPoint(200, 400)));
    EXPECT_EQ(GridGeometry::nameCaptionRect(cell), QRect(QPoint(6, 350), QPoint(197, 373)));
    EXPECT_EQ(GridGeometry::sizeCaptionRect(cell), QRect(QPoint(6, 374), QPoint(197, 397)));
}

TEST(GridGeometry, DrawingBand_Reaches250PixelsBeyondTheVisiblePart)
{
    struct Row { const char* name; int cellY; int scrollY; int height; bool drawn; };
    const Row rows[] = {
        {"visible", 402, 300, 400, true},
        {"just above the band", 49, 300, 400, false},
        {"on the band's top", 50, 300, 400, true},
        {"on the band's bottom", 950, 300, 400, true},
        {"just below the band", 951, 300, 400, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GridGeometry::isInDrawingBand(row.cellY, row.scrollY, row.height), row.drawn) << row.name;
}

TEST(GridGeometry, CentredOrigin_HalvesTruncate)
{
    EXPECT_EQ(GridGeometry::centredOrigin(QSize(1024, 768), QSize(1024, 768)), QPoint(0, 0));
    EXPECT_EQ(GridGeometry::centredOrigin(QSize(1025, 769), QSize(401, 301)), QPoint(312, 234));
}

} // namespace
