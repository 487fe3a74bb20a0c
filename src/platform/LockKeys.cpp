// SPDX-License-Identifier: MIT
#include "platform/LockKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// X11 modifier bits of a key event's state.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11Mod2Mask = 0x10; // Num Lock on common layouts
} // namespace

LockKeys LockKeys::fromKeyEvent(const QKeyEvent& event)
{
    LockKeys state;
#ifdef Q_OS_WIN
    Q_UNUSED(event);
    state.capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
    state.numLock = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    state.scrollLock = (GetKeyState(VK_SCROLL) & 1) != 0;
#else
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        const quint32 modifiers = event.nativeModifiers();
        state.capsLock = (modifiers & kX11LockMask) != 0;
        state.numLock = (modifiers & kX11Mod2Mask) != 0;
    }
#endif
    return state;
}
