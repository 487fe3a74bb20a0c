// SPDX-License-Identifier: MIT
#pragma once
#include <optional>

class QKeyEvent;

// The state of the lock keys, as far as the platform tells it with a key event.
// On X11 the event carries Caps Lock and (by the usual layout) Num Lock; Scroll
// Lock has no fixed bit there and stays unknown. Windows tells all three.
class LockKeys
{
public:
    std::optional<bool> capsLock;
    std::optional<bool> numLock;
    std::optional<bool> scrollLock;

    static LockKeys fromKeyEvent(const QKeyEvent& event);
};
