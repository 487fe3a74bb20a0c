#pragma once
#include <QAbstractScrollArea>
#include <QRect>

class CMainView;
class CPhotoImage;
class QKeyEvent;
class QPainter;

// Draws the photos of the collection for CMainView: one instance as the
// thumbnail grid (child 135), one as the single-photo view (child 136), the same
// code in both. What a view draws and how it answers the mouse and the keys
// follows the main view's view mode:
// - photo list: a scrolling grid of 200 x 200 cells (GridGeometry.h), each with
//   its frame, the photo's thumbnail and two caption lines; only the cells
//   within 250 pixels of the visible band are drawn; a click selects and
//   redraws only the frames and captions of the cells it changes;
//   a double click opens the photo;
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
    static const QColor kFrameColour;     // RGB(75, 75, 75)
    static const QColor kSelectionColour; // RGB(0, 0, 255)

    explicit CPhotoListView(QWidget* parent = nullptr);

    void setMainView(CMainView* mainView) { m_mainView = mainView; }
    CMainView* mainView() const { return m_mainView; }

    // Key handling of the single-photo mode; the main view and the full-screen
    // viewer hand it their key presses.
    virtual void handleKeyDown(QKeyEvent* event);
    // Marks the current photo and its file-list row after a move of the current photo.
    virtual void SyncSelection();
    // Forgets the grid's layout when the collection becomes empty.
    virtual void ResetLayout();

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isMode(int mode) const;
    bool isIgnoringInput() const;
    bool isFullScreenShown() const;
    void paintGrid(QPainter& painter, QSize target, const QRegion& exposed);
    void paintCell(QPainter& painter, CPhotoImage& photo, QPoint cell, const QRegion& exposed);
    void updateScrollSizes(int photoCount, QSize target);
    void selectPhoto(int index);

    CMainView* m_mainView = nullptr; // not owned
    int m_gridHeight = 100;
    QRect m_lastClientRect;
    int m_lastPhotoCount = 0;
};
