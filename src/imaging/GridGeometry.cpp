// SPDX-License-Identifier: MIT
#include "imaging/GridGeometry.h"

namespace GridGeometry {

int columns(int viewWidth)
{
    return viewWidth > 0 ? viewWidth / kCellSize : 0;
}

QPoint cellOrigin(int index, int columns)
{
    return {kGridMargin + kCellSize * (index % columns), kGridMargin + kCellSize * (index / columns)};
}

int gridHeight(int photoCount, int columns)
{
    if (photoCount <= 0 || columns <= 0)
        return kGridMargin;
    const int rows = (photoCount + columns - 1) / columns;
    return kGridMargin + kCellSize * rows;
}

int scrollHeight(int gridHeight)
{
    return gridHeight + 2;
}

QRect cellRect(QPoint cellOrigin)
{
    return QRect(cellOrigin, QSize(kCellSize, kCellSize));
}

QRect thumbnailArea(QPoint cellOrigin)
{
    return QRect(cellOrigin + QPoint(4, 4), QSize(kThumbnailAreaWidth, kThumbnailAreaHeight));
}

QRegion frameAndCaptions(QPoint cellOrigin)
{
    return QRegion(cellRect(cellOrigin)).subtracted(QRegion(thumbnailArea(cellOrigin)));
}

QRect cellFrame(QPoint cellOrigin)
{
    // (x+2, y+2) to (x+198, y+198), corners included.
    return QRect(cellOrigin + QPoint(2, 2), cellOrigin + QPoint(198, 198));
}

QPoint thumbnailOrigin(QPoint cellOrigin, QSize thumbnail)
{
    return cellOrigin
        + QPoint(4 + (kThumbnailAreaWidth - thumbnail.width()) / 2, 4 + (kThumbnailAreaHeight - thumbnail.height()) / 2);
}

QRect nameCaptionRect(QPoint cellOrigin)
{
    return QRect(cellOrigin + QPoint(4, 148), QSize(kThumbnailAreaWidth, 24));
}

QRect sizeCaptionRect(QPoint cellOrigin)
{
    return QRect(cellOrigin + QPoint(4, 172), QSize(kThumbnailAreaWidth, 24));
}

bool isInDrawingBand(int cellY, int scrollY, int viewHeight)
{
    return scrollY - kDrawingBandMargin <= cellY && cellY <= scrollY + viewHeight + kDrawingBandMargin;
}

int hitTest(QPoint clientPoint, int scrollY, int viewWidth, int photoCount)
{
    // Cells start after the grid's margin: the margin itself hits nothing.
    const int cols = columns(viewWidth);
    const int x = clientPoint.x() - kGridMargin;
    const int y = scrollY + clientPoint.y() - kGridMargin;
    if (cols <= 0 || x < 0 || y < 0 || x >= cols * kCellSize)
        return -1;
    const int index = cols * (y / kCellSize) + x / kCellSize;
    return index < photoCount ? index : -1;
}

QPoint centredOrigin(QSize target, QSize photo)
{
    return {target.width() / 2 - photo.width() / 2, target.height() / 2 - photo.height() / 2};
}

} // namespace GridGeometry
