#pragma once
#include <QAbstractScrollArea>

class CMainView;
class QKeyEvent;
class QPainter;

// Draws the photos of the collection for CMainView: one instance as the
// thumbnail grid (child 135), one as the single-photo view (child 136). What it
// draws follows the main view's view mode. The drawing, the mouse and the keys
// of both modes are added with the thumbnail view; until then it is an empty
// scrolling pane. GUI thread only.
class CPhotoListView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CPhotoListView(QWidget* parent = nullptr);

    void setMainView(CMainView* mainView) { m_mainView = mainView; }
    CMainView* mainView() const { return m_mainView; }

    // Key handling of the single-photo mode; the main view hands it every key-down.
    virtual void handleKeyDown(QKeyEvent* event);
    // Marks the current photo and its file-list row after a move of the current photo.
    virtual void SyncSelection();
    // Forgets the grid's layout when the collection becomes empty.
    virtual void ResetLayout();

    // Decodes the current photo, fits it into target (never enlarged), draws it
    // centred and puts its name and size into the main window's caption.
    void paintSinglePhoto(QPainter& painter, QSize target);

private:
    CMainView* m_mainView = nullptr;
};
