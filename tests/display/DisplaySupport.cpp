#include "DisplaySupport.h"

#include "support/QtTestSupport.h"
#include "support/TestJpeg.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>
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
    for (QWidget* window : shownWindows()) {
        if (shownBefore.contains(window))
            continue;
        QTest::qWaitForWindowExposed(window);
        const Qt::WindowType type = window->windowType();
        if (type == Qt::Window || type == Qt::Dialog)
            QTest::qWaitForWindowActive(window);
    }
    if (activeBefore && !activeBefore->isVisible())
        waitFor([] { return QApplication::activeWindow() && QApplication::activeWindow()->isVisible(); });
}

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
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, className, action] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || QApplication::activeWindow() != dialog || !dialog->inherits(className))
            return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
    });
    poll->start();
}

} // namespace DisplaySupport
