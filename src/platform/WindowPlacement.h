#pragma once
#include <QRect>

class QWidget;

// Puts a top-level window into its normal state with a given outer geometry,
// frame included. A desktop that restores a maximised window to a geometry of
// its own after the state change is answered by placing the window again, a
// few times at most, until the window stands where it was put.
class WindowPlacement
{
public:
    static void showNormalAt(QWidget* window, const QRect& outer);
};
