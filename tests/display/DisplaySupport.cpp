// SPDX-License-Identifier: MIT
#include "DisplaySupport.h"

#include "support/QtTestSupport.h"
#include "support/TestJpeg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QWidget>
#include <QtTest/QTest>

#include <memory>

namespace DisplaySupport {

namespace {

// The top-level windows on the screen.
QSet<QWidget*> shownWindows()
{
    QSet<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.insert(window);
    }
    return shown;
}

// Waits until what a key set going with the window manager has happened, as
// it has by the time a user presses the next key: a window the key showed is
// on the screen and, when it is a window or a dialog (not a tool window or a
// menu), active; when the active window went, another one is active.
void waitForWindowManager(const QSet<QWidget*>& shownBefore, const QPointer<QWidget>& activeBefore)
{
    QCoreApplication::processEvents();
    QList<QPointer<QWidget>> shownNow;
    for (QWidget* window : shownWindows()) {
        if (!shownBefore.contains(window))
            shownNow.append(window);
    }
    for (const QPointer<QWidget>& window : shownNow) {
        if (!window)
            continue; // closed again while another one came up
        // A window that never comes up is the test's to see: it goes on.
        (void)QTest::qWaitForWindowExposed(window);
        const Qt::WindowType type = window->windowType();
        if (type == Qt::Window || type == Qt::Dialog)
            (void)QTest::qWaitForWindowActive(window);
    }
    if (activeBefore && !activeBefore->isVisible())
        waitFor([] { return QApplication::activeWindow() && QApplication::activeWindow()->isVisible(); });
}

// After a window comes or goes, the window manager may hand the keyboard on
// more than once (to a dialog beside the new window and back) within a few
// tens of milliseconds; a user's next key comes after that.
constexpr qint64 kFocusSteadyMs = 250;

// Restarted whenever the keyboard moves to another window.
QElapsedTimer& sinceFocusMoved()
{
    static QElapsedTimer timer;
    if (!timer.isValid()) {
        timer.start();
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [] { timer.restart(); });
    }
    return timer;
}

// The focused widget is in the active window and the keyboard has stayed
// there a while (or a popup has the keyboard).
bool keyboardSettled()
{
    if (QApplication::activePopupWidget())
        return true;
    const QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == QApplication::activeWindow()
        && sinceFocusMoved().elapsed() >= kFocusSteadyMs;
}

// Runs its action once, the first time a modal window of its class is the
// active window; it looks again whenever a window is activated.
class ModalWatcher : public QObject
{
public:
    ModalWatcher(const char* className, std::function<void(QWidget*)> action)
        : m_className(className)
        , m_action(std::move(action))
    {
        qApp->installEventFilter(this);
        queueCheck(); // the window may be up already
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            queueCheck();
        return false;
    }

private:
    // After the activation's own events, as a user answers a window once it is up.
    void queueCheck()
    {
        if (m_checkQueued)
            return;
        m_checkQueued = true;
        QMetaObject::invokeMethod(this, &ModalWatcher::check, Qt::QueuedConnection);
    }

    void check()
    {
        m_checkQueued = false;
        QWidget* dialog = QApplication::activeModalWidget();
        if (!m_action || !dialog || QApplication::activeWindow() != dialog || !dialog->inherits(m_className))
            return;
        qApp->removeEventFilter(this);
        deleteLater();
        const auto action = std::move(m_action);
        m_action = nullptr;
        action(dialog);
    }

    const char* m_className;
    std::function<void(QWidget*)> m_action;
    bool m_checkQueued = false;
};

} // namespace

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool pressKey(int key, Qt::KeyboardModifiers modifiers)
{
    // A key goes where the window manager put the keyboard last.
    waitFor(keyboardSettled);
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    const QSet<QWidget*> shownBefore = shownWindows();
    const QPointer<QWidget> activeBefore = QApplication::activeWindow();
    QTest::keyClick(focused, Qt::Key(key), modifiers);
    waitForWindowManager(shownBefore, activeBefore);
    return true;
}

bool typeText(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    QTest::keyClicks(focused, text);
    return true;
}

void click(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
}

void doubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

QImage grabScreen(const QWidget* widget, const QRect& rect)
{
    const QPoint global = widget->mapToGlobal(rect.topLeft());
    QScreen* screen = widget->screen();
    const QPoint origin = global - screen->geometry().topLeft();
    return screen->grabWindow(0, origin.x(), origin.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int pixelsUnlike(const QImage& image, const QColor& colour, int tolerance)
{
    int unlike = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) > tolerance || qAbs(pixel.green() - colour.green()) > tolerance
                || qAbs(pixel.blue() - colour.blue()) > tolerance)
                ++unlike;
        }
    }
    return unlike;
}

bool waitForScreenColour(const QWidget* widget, const QRect& rect, const QColor& colour, int tolerance)
{
    return waitFor([&] { return pixelsUnlike(grabScreen(widget, rect), colour, tolerance) == 0; });
}

bool writePhoto(const QString& path, int width, int height, const QColor& colour)
{
    using namespace snapwane::test;
    return WriteJpeg(path, MakeFilled(width, height, std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                                      std::uint8_t(colour.blue())));
}

void whenModalActive(const char* className, const std::function<void(QWidget* dialog)>& action)
{
    new ModalWatcher(className, action);
}

} // namespace DisplaySupport
