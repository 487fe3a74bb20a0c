// SPDX-License-Identifier: MIT
#include "imaging/CPhotoListView.h"

#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoProgressDlg.h"
#include "imaging/GridGeometry.h"
#include "imaging/PhotoGridAccessible.h"
#include "platform/LocaleFormat.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// Sets the shared views-busy flag for one paint and clears it on every way out.
class ViewsBusyScope
{
public:
    explicit ViewsBusyScope(PhotoViewHost& host) : m_host(host) { m_host.setViewsBusy(true); }
    ~ViewsBusyScope() { m_host.setViewsBusy(false); }
    ViewsBusyScope(const ViewsBusyScope&) = delete;
    ViewsBusyScope& operator=(const ViewsBusyScope&) = delete;

private:
    PhotoViewHost& m_host;
};

QFont baseCaptionFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(CPhotoListView::kCaptionPixelSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    return font;
}

// The outline through the frame's corners, 3 pixels wide.
void drawCellFrame(QPainter& painter, QPoint cell, const QColor& colour)
{
    const QRect frame = GridGeometry::cellFrame(cell);
    const QPoint outline[] = {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft(),
                              frame.topLeft()};
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(outline, 5);
}

} // namespace

QColor CPhotoListView::frameColour() const
{
    // Between the text and the background, so that it stands out on light and
    // dark themes alike.
    const QColor text = palette().color(QPalette::Text);
    const QColor base = palette().color(QPalette::Base);
    return QColor((text.red() * 3 + base.red() * 2) / 5, (text.green() * 3 + base.green() * 2) / 5,
                  (text.blue() * 3 + base.blue() * 2) / 5);
}

QColor CPhotoListView::selectionColour() const
{
    return palette().color(QPalette::Highlight);
}

CPhotoListView::CPhotoListView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every paint covers what it is asked to; a click's paint leaves the
    // thumbnails standing as they are.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(20);
    PhotoGridAccessible::installFactory();
    // Until the grid first paints on its screen, the sharpest screen decides.
    CPhotoImage::setThumbnailPixelRatio(qGuiApp->devicePixelRatio());
}

bool CPhotoListView::isMode(int mode) const
{
    return m_host && m_host->viewMode() == mode;
}

bool CPhotoListView::isIgnoringInput() const
{
    return !m_host || m_host->areViewsBusy() || m_host->isLoading();
}

void CPhotoListView::setFullScreenDlg(CFullScreenDlg* fullScreen)
{
    m_fullScreen = fullScreen;
}

bool CPhotoListView::isFullScreenShown() const
{
    return m_fullScreen && m_fullScreen->isVisible();
}

int CPhotoListView::photoAt(QPoint viewportPoint) const
{
    if (!m_host)
        return -1;
    return GridGeometry::hitTest(viewportPoint, verticalScrollBar()->value(), viewport()->width(),
                                 m_host->photoCount());
}

// --- Painting ---

void CPhotoListView::paintEvent(QPaintEvent* event)
{
    if (!m_host || m_host->areViewsBusy() || m_host->viewMode() == PhotoViewHost::FileListMode)
        return;
    QPainter painter(viewport());
    if (m_host->isLoading()) {
        // No photo is drawn while a load runs, but the view is opaque: what
        // it leaves unpainted shows as black on the screen.
        const bool grid = m_host->viewMode() == PhotoViewHost::PhotoListMode;
        painter.fillRect(viewport()->rect(), grid ? palette().color(QPalette::Base) : QColor(Qt::black));
        return;
    }
    ViewsBusyScope busy(*m_host);
    if (m_host->viewMode() == PhotoViewHost::PhotoListMode) {
        paintGrid(painter, viewport()->size(), event->region());
    } else {
        painter.fillRect(viewport()->rect(), Qt::black);
        if (isFullScreenShown())
            m_fullScreen->update(); // the photo goes onto the screen
        else
            paintSinglePhoto(painter, viewport()->size());
    }
}

// Only what was exposed is drawn: a cell outside the exposed region is passed
// over, and a thumbnail is drawn again only when its area was exposed.
void CPhotoListView::paintGrid(QPainter& painter, QSize target, const QRegion& exposed)
{
    window()->setWindowTitle(m_host->title());
    // Thumbnails loaded from now on are made for the screen the grid is on.
    CPhotoImage::setThumbnailPixelRatio(devicePixelRatioF());
    const int scrollY = verticalScrollBar()->value();
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base)); // clipped to the exposed region
    painter.translate(0, -scrollY);
    const QRegion exposedInGrid = exposed.translated(0, scrollY);
    const int columns = GridGeometry::columns(target.width());
    const int count = m_host->photoCount();
    for (int i = 0; columns > 0 && i < count; ++i) {
        const QPoint cell = GridGeometry::cellOrigin(i, columns);
        if (GridGeometry::isInDrawingBand(cell.y(), scrollY, target.height())
            && exposedInGrid.intersects(GridGeometry::cellRect(cell)))
            paintCell(painter, m_host->photo(i), cell, exposedInGrid);
    }
    m_gridHeight = GridGeometry::gridHeight(count, columns);
    updateScrollSizes(count, target);
}

void CPhotoListView::paintCell(QPainter& painter, CPhotoImage& photo, QPoint cell, const QRegion& exposed)
{
    drawCellFrame(painter, cell, frameColour());
    if (photo.isSelected())
        drawCellFrame(painter, cell, selectionColour());
    if (exposed.intersects(GridGeometry::thumbnailArea(cell))) {
        const QSize held = photo.GetSize();
        const QPoint at = GridGeometry::thumbnailOrigin(cell, photo.drawnSize());
        // A photo being loaded or without pixels keeps its frame alone.
        if (!photo.Draw(painter, at.x(), at.y(), held.width(), held.height()))
            return;
    }
    const QSize source = photo.GetShownSize();
    // The keyboard's place: the marked photo's name stands highlighted while
    // the grid has the focus.
    const QRect nameRect = GridGeometry::nameCaptionRect(cell);
    if (photo.isSelected() && hasFocus()) {
        painter.fillRect(nameRect, selectionColour());
        painter.setPen(palette().color(QPalette::HighlightedText));
    } else {
        painter.setPen(palette().color(QPalette::Text));
    }
    drawCaption(painter, nameRect, photo.GetDisplayName());
    painter.setPen(palette().color(QPalette::Text));
    drawCaption(painter, GridGeometry::sizeCaptionRect(cell),
                LocaleFormat::dimensions(source.width(), source.height()));
}

void CPhotoListView::drawCaption(QPainter& painter, const QRect& area, const QString& caption)
{
    painter.setFont(captionFont(caption, area.width()));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

// The caption's letters differ in width from font to font and from name to
// name: the size steps down from the designed one until the caption fits.
QFont CPhotoListView::captionFont(const QString& caption, int width)
{
    QFont font = baseCaptionFont();
    for (int size = kCaptionPixelSize; size > kSmallestCaptionPixelSize; --size) {
        if (QFontMetrics(font).horizontalAdvance(caption) <= width)
            break;
        font.setPixelSize(size - 1);
    }
    return font;
}

// The scroll range follows the grid: total height grid height + 2. It is set
// again when the photo count, the view's size or the grid's height changed.
void CPhotoListView::updateScrollSizes(int photoCount, QSize target)
{
    const QRect client(QPoint(0, 0), target);
    const int total = GridGeometry::scrollHeight(m_gridHeight);
    QScrollBar* bar = verticalScrollBar();
    if (photoCount == m_lastPhotoCount && client == m_lastClientRect
        && bar->maximum() == qMax(0, total - target.height()))
        return;
    m_lastPhotoCount = photoCount;
    m_lastClientRect = client;
    bar->setPageStep(qMax(1, target.height()));
    bar->setRange(0, qMax(0, total - target.height()));
}

void CPhotoListView::repaintSinglePhoto()
{
    viewport()->update();
    if (isFullScreenShown())
        m_fullScreen->update();
}

void CPhotoListView::paintSinglePhoto(QPainter& painter, QSize target)
{
    if (!isMode(PhotoViewHost::SinglePhotoMode) || m_host->isLoading() || target.isEmpty())
        return;
    const CPhotoImage* current = m_host->currentPhoto();
    if (!current)
        return;
    // A fresh decode with the corrections the photo has now, never kept.
    CPhotoImage shown;
    shown.setOwner(m_host->photoProgressDlg());
    shown.setCorrections(current->corrections());
    shown.setDevicePixelRatio(painter.device()->devicePixelRatioF());
    if (!shown.LoadFromFile(current->GetPath(), target.width(), target.height()))
        return;
    const QSize held = shown.GetSize();
    const QPoint at = GridGeometry::centredOrigin(target, shown.drawnSize());
    shown.Draw(painter, at.x(), at.y(), held.width(), held.height());
    const QSize source = shown.GetShownSize();
    window()->setWindowTitle(shown.GetDisplayName() + QStringLiteral(" %1x%2").arg(source.width()).arg(source.height())
                             + QStringLiteral(" - ") + m_host->title());
}

// --- Mouse ---

void CPhotoListView::mousePressEvent(QMouseEvent* event)
{
    // While a paint or a load runs, a click is not even passed on.
    if (isIgnoringInput())
        return;
    if (event->button() == Qt::LeftButton) {
        if (isMode(PhotoViewHost::SinglePhotoMode))
            return;
        const int index = photoAt(event->position().toPoint());
        if (index >= 0)
            selectPhoto(index);
    } else if (event->button() == Qt::RightButton) {
        if (isMode(PhotoViewHost::SinglePhotoMode) && !isFullScreenShown())
            Q_EMIT backToGrid();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

// The old and the new mark get their frames and captions drawn again; the
// thumbnails stay as they are on the screen.
void CPhotoListView::selectPhoto(int index)
{
    const int columns = GridGeometry::columns(viewport()->width());
    const QPoint scroll(0, verticalScrollBar()->value());
    QRegion changed;
    for (int i = 0; i < m_host->photoCount(); ++i) {
        const bool selected = i == index;
        CPhotoImage& photo = m_host->photo(i);
        if (photo.isSelected() != selected)
            changed += GridGeometry::frameAndCaptions(GridGeometry::cellOrigin(i, columns) - scroll);
        photo.setSelected(selected);
    }
    Q_EMIT photoClicked(index);
    viewport()->update(changed);
    if (QAccessible::isActive()) {
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(index);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void CPhotoListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (isIgnoringInput() || event->button() != Qt::LeftButton)
        return;
    if (isMode(PhotoViewHost::SinglePhotoMode)) {
        if (m_fullScreen)
            m_fullScreen->showOverScreen();
        viewport()->update();
        return;
    }
    const int index = photoAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT photoDoubleClicked(index);
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

// --- Keys ---

void CPhotoListView::keyPressEvent(QKeyEvent* event)
{
    if (isMode(PhotoViewHost::PhotoListMode) && !isIgnoringInput()) {
        if (handleGridKey(event->key()))
            return;
    }
    handleKeyDown(event);
    if (!event->isAccepted())
        QAbstractScrollArea::keyPressEvent(event);
}

void CPhotoListView::handleKeyDown(QKeyEvent* event)
{
    event->ignore();
    if (!isMode(PhotoViewHost::SinglePhotoMode) || m_host->isLoading())
        return;
    using Move = PhotoViewHost::PhotoMove;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Home:
        Q_EMIT moveRequested(Move::First);
        break;
    case Qt::Key_Left:
        Q_EMIT moveRequested(Move::Previous);
        break;
    case Qt::Key_Right:
    case Qt::Key_Space:
        Q_EMIT moveRequested(Move::Next);
        break;
    case Qt::Key_Down:
    case Qt::Key_End:
        Q_EMIT moveRequested(Move::Last);
        break;
    case Qt::Key_Escape:
        if (isFullScreenShown())
            m_fullScreen->hide();
        break;
    default:
        return;
    }
    event->accept();
}

int CPhotoListView::markedIndex() const
{
    for (int i = 0; m_host && i < m_host->photoCount(); ++i) {
        if (m_host->photo(i).isSelected())
            return i;
    }
    return -1;
}

// The grid's keys move the mark as a list of icons does: by a cell, a row, a
// page of rows, to either end; Enter opens the marked photo. With none marked,
// a move marks the first photo. A move past an edge stays where it is.
bool CPhotoListView::handleGridKey(int key)
{
    const int count = m_host->photoCount();
    const int marked = markedIndex();
    if (count == 0)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (marked >= 0)
            Q_EMIT photoDoubleClicked(marked);
        return true;
    }
    const int columns = std::max(1, GridGeometry::columns(viewport()->width()));
    const int page = columns * std::max(1, viewport()->height() / GridGeometry::kCellSize);
    int target = -1;
    switch (key) {
    case Qt::Key_Left: target = marked - 1; break;
    case Qt::Key_Right: target = marked + 1; break;
    case Qt::Key_Up: target = marked - columns; break;
    case Qt::Key_Down: target = marked + columns; break;
    case Qt::Key_PageUp: target = std::max(0, marked - page); break;
    case Qt::Key_PageDown: target = std::min(count - 1, marked + page); break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = count - 1; break;
    default: return false;
    }
    if (marked < 0)
        target = key == Qt::Key_End ? count - 1 : 0;
    if (target < 0 || target >= count || target == marked)
        return true;
    selectPhoto(target);
    scrollToPhoto(target);
    return true;
}

void CPhotoListView::scrollToPhoto(int index)
{
    const int columns = std::max(1, GridGeometry::columns(viewport()->width()));
    const QRect cell = GridGeometry::cellRect(GridGeometry::cellOrigin(index, columns));
    // The range may not have followed the last photos appended yet.
    m_gridHeight = GridGeometry::gridHeight(m_host->photoCount(), columns);
    updateScrollSizes(m_host->photoCount(), viewport()->size());
    QScrollBar* bar = verticalScrollBar();
    if (cell.top() < bar->value())
        bar->setValue(cell.top() - GridGeometry::kGridMargin);
    else if (cell.bottom() >= bar->value() + viewport()->height())
        bar->setValue(cell.bottom() + 1 + GridGeometry::kGridMargin - viewport()->height());
}

// The highlighted name follows the focus.
void CPhotoListView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CPhotoListView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// --- Selection and layout ---

void CPhotoListView::SyncSelection()
{
    // The receiver marks nothing while a view paints, nor outside the single-photo mode.
    Q_EMIT selectionSyncRequested();
}

void CPhotoListView::ResetLayout()
{
    m_lastPhotoCount = 0;
    m_lastClientRect = QRect();
    m_gridHeight = 100;
}
