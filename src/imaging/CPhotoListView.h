// SPDX-License-Identifier: MIT
#pragma once
#include <QAbstractScrollArea>
#include <QFont>
#include <QPointer>
#include <QRect>

#include "imaging/PhotoViewHost.h"

class CFullScreenDlg;
class CPhotoImage;
class QKeyEvent;
class QPainter;

// Draws the photos of the collection for CMainView: one instance as the
// thumbnail grid (child 135), one as the single-photo view (child 136), the same
// code in both. It reads the photos and the state through its PhotoViewHost and
// tells what the user did through its signals; what a view draws and how it
// answers the mouse and the keys follows the host's view mode:
// - photo list: a scrolling grid of 200 x 200 cells (GridGeometry.h), each with
//   its frame, the photo's thumbnail and two caption lines; only the cells
//   within 250 pixels of the visible band are drawn; a click selects and
//   redraws only the frames and captions of the cells it changes;
//   a double click or Enter opens the photo; the arrows, Page Up/Down and
//   Home/End move the mark, whose name is highlighted while the grid has the
//   focus;
// - single photo: the current photo decoded from its file for every paint,
//   fitted into the view (or, while the full-screen viewer is up, into the
//   screen) and centred on black; a double click goes full screen, a right
//   click back to the grid, the navigation keys move the current photo.
// Nothing paints or reacts while a load runs. The view keeps no photos of its
// own. GUI thread only.
class CPhotoListView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int kCaptionPixelSize = 16;         // as designed, for names that fit
    static constexpr int kSmallestCaptionPixelSize = 9; // still readable

    // The caption font for a caption of the grid: the designed size, smaller
    // as far as needed for the caption to fit width pixels.
    static QFont captionFont(const QString& caption, int width);

    explicit CPhotoListView(QWidget* parent = nullptr);

    // A cell's frame, and the frame and the name of the marked photo: from the
    // palette, so that dark themes keep their contrast.
    QColor frameColour() const;
    QColor selectionColour() const;

    void setHost(PhotoViewHost* host) { m_host = host; }
    PhotoViewHost* host() const { return m_host; }
    // The full-screen viewer this view draws into while it is up; may stay null.
    void setFullScreenDlg(CFullScreenDlg* fullScreen);

    // Key handling: the grid's own keys while it has the focus, and the
    // single-photo mode's, which the main view and the full-screen viewer hand
    // it.
    void handleKeyDown(QKeyEvent* event);
    // After a move of the current photo: asks for it and its file-list row to
    // be marked (selectionSyncRequested).
    void SyncSelection();
    // Forgets the grid's layout when the collection becomes empty.
    void ResetLayout();

    // Asks for the current photo to be drawn again: in this view, and on the
    // screen while the full-screen viewer is up.
    void repaintSinglePhoto();

    // Decodes the current photo, fits it into target (never enlarged), draws it
    // centred and puts its name and size into the main window's caption.
    void paintSinglePhoto(QPainter& painter, QSize target);

    // The y just below the last row of the last grid paint.
    int gridHeight() const { return m_gridHeight; }
    // Which photo a point of the viewport hits, or -1.
    int photoAt(QPoint viewportPoint) const;

Q_SIGNALS:
    // A click on a photo of the grid: the view has marked it alone and redraws.
    void photoClicked(int index);
    // A double click on a photo of the grid: open it in the single-photo mode.
    void photoDoubleClicked(int index);
    // A right click on the single photo: back to the thumbnail grid.
    void backToGrid();
    // A navigation key in the single-photo mode.
    void moveRequested(PhotoViewHost::PhotoMove move);
    // SyncSelection was called: the current photo alone is to be marked.
    void selectionSyncRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool isMode(int mode) const;
    bool isIgnoringInput() const;
    bool isFullScreenShown() const;
    void paintGrid(QPainter& painter, QSize target, const QRegion& exposed);
    void paintCell(QPainter& painter, CPhotoImage& photo, QPoint cell, const QRegion& exposed);
    void drawCaption(QPainter& painter, const QRect& area, const QString& caption);
    void updateScrollSizes(int photoCount, QSize target);
    void selectPhoto(int index);
    int markedIndex() const;
    bool handleGridKey(int key);
    void scrollToPhoto(int index);

    PhotoViewHost* m_host = nullptr;       // not owned
    QPointer<CFullScreenDlg> m_fullScreen; // not owned; null once it is gone
    int m_gridHeight = 100;
    QRect m_lastClientRect;
    int m_lastPhotoCount = 0;
};
