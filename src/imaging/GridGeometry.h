// SPDX-License-Identifier: MIT
#pragma once
#include "core/PhotoRules.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

// Where the thumbnail grid puts each photo, and which photo a point hits.
// Pure arithmetic in view pixels (y includes the scroll offset), shared by the
// grid paint, its click handling and the tests.
//
// The grid is made of 200 x 200 cells, as many a row as fit into the width;
// photo i sits in row i / columns, column i % columns, its cell starting at
// (2 + 200 x column, 2 + 200 x row). Inside a cell: the frame 2 pixels in, the
// thumbnail area 192 x 144 at (4, 4), the name caption and the size caption
// below it.
namespace GridGeometry {

inline constexpr int kCellSize = 200;
inline constexpr int kGridMargin = 2;
inline constexpr int kThumbnailAreaWidth = snapwane::kThumbnailBoxWidth;
inline constexpr int kThumbnailAreaHeight = snapwane::kThumbnailBoxHeight;
inline constexpr int kDrawingBandMargin = 250; // cells this far outside the visible band are still drawn

// Cells a row holds in a view this wide; 0 when it is narrower than one cell.
int columns(int viewWidth);
// Top left of photo index's cell; the columns must be positive.
QPoint cellOrigin(int index, int columns);
// The y just below the last row: 2 + 200 x rows (2 for no photos or no columns).
int gridHeight(int photoCount, int columns);
// Total height the scroll area is given: the grid height and a 2-pixel edge.
int scrollHeight(int gridHeight);

// The whole 200 x 200 cell.
QRect cellRect(QPoint cellOrigin);
// The frame's corners: the outline runs through these.
QRect cellFrame(QPoint cellOrigin);
// The 192 x 144 area the thumbnail is centred in.
QRect thumbnailArea(QPoint cellOrigin);
// What a change of the selection redraws: the cell without its thumbnail area.
QRegion frameAndCaptions(QPoint cellOrigin);
// Top left of a thumbnail of the given held size, centred in the thumbnail area
// (divisions truncating).
QPoint thumbnailOrigin(QPoint cellOrigin, QSize thumbnail);
QRect nameCaptionRect(QPoint cellOrigin);
QRect sizeCaptionRect(QPoint cellOrigin);

// Whether a cell at cellY is drawn when the view shows scrollY ... scrollY + viewHeight.
bool isInDrawingBand(int cellY, int scrollY, int viewHeight);

// The photo a click at (x, y) of the client area hits, or -1.
int hitTest(QPoint clientPoint, int scrollY, int viewWidth, int photoCount);

// Top left of a w x h photo centred in a target of the given size (halves truncating).
QPoint centredOrigin(QSize target, QSize photo);

} // namespace GridGeometry
