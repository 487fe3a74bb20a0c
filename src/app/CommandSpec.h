// SPDX-License-Identifier: MIT
#pragma once
#include <QKeySequence>

class MainCommands;

// The translation context in which the command table marks its texts
// (QT_TRANSLATE_NOOP), so that the actions show them in the user's language.
inline constexpr char kCommandTextContext[] = "MainCommands";

// How a command shows its state in the menu and on the toolbar.
enum class CommandMark { None, Check, Radio };

// One row of the program's command table (MainCommands::commandTable()): the
// command's texts and icon, and its handler, enable rule and mark.
// A command without a handler is not the main view's: it goes on to the frame.
struct CommandSpec
{
    int id;
    const char* menuText;
    const char* prompt;  // status-bar prompt; nullptr for none
    const char* toolTip; // nullptr for none
    const char* icon;    // name in res/icons; nullptr for menu-only commands
    CommandMark mark = CommandMark::None;
    void (MainCommands::*execute)() = nullptr;
    bool (MainCommands::*isEnabled)() const = nullptr; // nullptr: always enabled
    bool (MainCommands::*isMarked)() const = nullptr;  // nullptr: never marked
    QKeySequence shortcut = {}; // active only while the command is enabled
};
