#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

void placeOuter(QWidget* window, const QRect& outer)
{
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    window->resize(outer.width() - frame.left() - frame.right(), outer.height() - frame.top() - frame.bottom());
    window->move(outer.topLeft()); // a top-level window's position is that of its frame
}

// For a short while after the placement, places the window again whenever the
// desktop moves or resizes it elsewhere (a desktop restores a maximised window
// to a geometry it remembered, and frames it anew). It goes after a few
// placements or that short while, so it never fights the user.
class PlacementKeeper : public QObject
{
public:
    static constexpr int kWatchMs = 1500;

    PlacementKeeper(QWidget* window, const QRect& outer)
        : QObject(window)
        , m_window(window)
        , m_outer(outer)
    {
        window->installEventFilter(this);
        QTimer::singleShot(kWatchMs, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool moved = type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange;
        if (watched == m_window && moved && !m_pending) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] { placeAgain(); });
        }
        return false;
    }

private:
    void placeAgain()
    {
        m_pending = false;
        if (!m_window || m_window->frameGeometry() == m_outer)
            return;
        if (--m_placementsLeft < 0) {
            deleteLater();
            return;
        }
        placeOuter(m_window, m_outer);
    }

    QPointer<QWidget> m_window;
    QRect m_outer;
    int m_placementsLeft = 6;
    bool m_pending = false;
};

} // namespace

void WindowPlacement::showNormalAt(QWidget* window, const QRect& outer)
{
    window->showNormal();
    placeOuter(window, outer);
    new PlacementKeeper(window, outer);
    window->update();
}
