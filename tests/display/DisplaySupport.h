// SPDX-License-Identifier: MIT
#pragma once
// What the display tests share: the user's keys and clicks, and the screen's
// pixels as the X server holds them.
#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

class QWidget;

namespace DisplaySupport {

// Processes events until condition holds; false if it never did within
// timeoutMs (a hang guard: the condition is what the test waits for).
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// Shows a top-level window and waits until the window manager has made it the
// active window.
bool showActive(QWidget* window);

// A key pressed and released where the keyboard is: the focused widget of the
// active window. False when no widget has the focus.
bool pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Text typed where the keyboard is.
bool typeText(const QString& text);
// A left click (or double click) at a point of a widget.
void click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QWidget* widget, QPoint at);

// The screen's pixels under rect of widget (widget coordinates).
QImage grabScreen(const QWidget* widget, const QRect& rect);
// How many pixels of image differ from colour by more than tolerance in a channel.
int pixelsUnlike(const QImage& image, const QColor& colour, int tolerance = 0);
// Waits until every screen pixel under rect of widget is colour (within tolerance).
bool waitForScreenColour(const QWidget* widget, const QRect& rect, const QColor& colour, int tolerance = 0);

// Writes a w x h JPEG of one colour; false when it could not be written.
bool writePhoto(const QString& path, int width, int height, const QColor& colour = QColor(200, 120, 40));

// Runs action once a modal window of the class named (QMessageBox,
// CWizStep2Dlg, ...) is the active window: the user answers the window that a
// modal exec() started afterwards shows.
void whenModalActive(const char* className, const std::function<void(QWidget* dialog)>& action);

} // namespace DisplaySupport
