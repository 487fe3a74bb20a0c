// SPDX-License-Identifier: MIT
#include "imaging/PhotoGridAccessible.h"

#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "platform/NativePath.h"

#include <QScrollBar>
#include <QWindow>

#include <algorithm>

namespace {

QString fileNameOf(const CPhotoImage& photo)
{
    const QString path = photo.GetPath();
    return path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(NativePath::separator())) + 1);
}

QString sizeOf(const CPhotoImage& photo)
{
    const QSize shown = photo.GetShownSize();
    return CPhotoListView::tr("%1 x %2 pixels").arg(shown.width()).arg(shown.height());
}

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CPhotoListView") && object && object->isWidgetType())
        return new PhotoGridAccessible(static_cast<CPhotoListView*>(object));
    return nullptr;
}

} // namespace

// One photo of the grid, known by its place in the collection.
class PhotoGridAccessible::Item : public QAccessibleInterface
{
public:
    Item(const PhotoGridAccessible* grid, int index) : m_grid(grid), m_index(index) {}

    bool isValid() const override
    {
        return m_grid->isValid() && m_grid->showsGrid() && m_index < m_grid->childCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid->window(); }
    QAccessibleInterface* parent() const override { return const_cast<PhotoGridAccessible*>(m_grid); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const CPhotoImage& photo = m_grid->view()->host()->photo(m_index);
        if (t == QAccessible::Name)
            return fileNameOf(photo);
        if (t == QAccessible::Description)
            return CPhotoListView::tr("%1, photo %2 of %3")
                .arg(sizeOf(photo))
                .arg(m_index + 1)
                .arg(m_grid->childCount());
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const CPhotoListView* view = m_grid->view();
        const QWidget* viewport = view->viewport();
        const int columns = std::max(1, GridGeometry::columns(viewport->width()));
        const QRect cell = GridGeometry::cellRect(GridGeometry::cellOrigin(m_index, columns))
                               .translated(0, -view->verticalScrollBar()->value());
        return QRect(viewport->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const CPhotoListView* view = m_grid->view();
        state.selectable = true;
        state.focusable = true;
        state.selected = view->host()->photo(m_index).isSelected();
        state.focused = state.selected && view->hasFocus();
        const QRect visible(view->viewport()->mapToGlobal(QPoint(0, 0)), view->viewport()->size());
        state.offscreen = !visible.intersects(rect());
        return state;
    }

private:
    const PhotoGridAccessible* m_grid;
    int m_index;
};

PhotoGridAccessible::PhotoGridAccessible(CPhotoListView* view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

PhotoGridAccessible::~PhotoGridAccessible()
{
    for (const auto& [index, id] : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

void PhotoGridAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

CPhotoListView* PhotoGridAccessible::view() const
{
    return static_cast<CPhotoListView*>(widget());
}

bool PhotoGridAccessible::showsGrid() const
{
    const PhotoViewHost* host = view()->host();
    return host && host->viewMode() == PhotoViewHost::PhotoListMode && !host->isLoading();
}

QAccessible::Role PhotoGridAccessible::role() const
{
    return showsGrid() ? QAccessible::List : QAccessible::Graphic;
}

// The single photo is described by what it shows.
QString PhotoGridAccessible::text(QAccessible::Text t) const
{
    const PhotoViewHost* host = view()->host();
    if (t == QAccessible::Description && !showsGrid() && host && host->currentPhoto()) {
        const CPhotoImage& photo = *host->currentPhoto();
        return fileNameOf(photo) + QStringLiteral(", ") + sizeOf(photo);
    }
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return showsGrid() ? CPhotoListView::tr("Photos") : CPhotoListView::tr("Photo");
    return QAccessibleWidget::text(t);
}

int PhotoGridAccessible::childCount() const
{
    return showsGrid() ? view()->host()->photoCount() : 0;
}

QAccessibleInterface* PhotoGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = m_items.find(index);
    if (found == m_items.end())
        found = m_items.emplace(index, QAccessible::registerAccessibleInterface(new Item(this, index))).first;
    return QAccessible::accessibleInterface(found->second);
}

int PhotoGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [index, id] : m_items) {
        if (QAccessible::accessibleInterface(id) == child)
            return index < childCount() ? index : -1;
    }
    return -1;
}

QAccessibleInterface* PhotoGridAccessible::childAt(int x, int y) const
{
    if (!showsGrid())
        return nullptr;
    const int index = view()->photoAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* PhotoGridAccessible::focusChild() const
{
    if (!showsGrid() || !view()->hasFocus())
        return nullptr;
    for (int i = 0; i < childCount(); ++i) {
        if (view()->host()->photo(i).isSelected())
            return child(i);
    }
    return nullptr;
}
