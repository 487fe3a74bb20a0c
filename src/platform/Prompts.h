// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Everything modal that asks the user something: message boxes, the open-file
// dialog and the folder browser. The program calls the static entry points from
// any thread; they run the installed implementation on the GUI thread and wait
// for the answer (GuiThreadCall). When a stop releases a waiting worker, the
// question counts as declined: No, no files, no folder.
//
// The program uses QtPrompts; tests install scripted answers
// (tests/support/ScriptedPrompts.h).
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A message with an OK button only.
    static void inform(const QString& text);
    // A message with an OK button shown in the middle of a run, from the run's
    // worker thread. It holds up no window, so that the run's Stop, the Stop
    // command and closing the main window stay at hand while it is up; the
    // worker waits until it is answered or until stopped() holds, which closes it.
    static void informDuringRun(const QString& text, const std::function<bool()>& stopped);
    // A question with Yes and No; true for Yes.
    static bool askYesNo(const QString& text);
    // Existing files chosen in an open-file dialog with multiple selection.
    // filter is the shown name followed by the patterns, space-separated, in the
    // last parentheses; the name may hold parentheses of its own:
    // "Jpeg photos (*.jpg, *.jpeg) (*.jpg *.jpeg)" shows "Jpeg photos (*.jpg, *.jpeg)".
    // Patterns match in any case. Empty when cancelled.
    static QStringList chooseFiles(const QString& title, const QString& filter);
    // A folder chosen in the folder browser, opened at start; empty when cancelled.
    static QString chooseFolder(const QString& title, const QString& start);

    // Makes prompts answer every later question (not owned; nullptr restores the
    // program's dialogs). Returns the one installed before. GUI thread only.
    static Prompts* install(Prompts* prompts);

protected:
    // Called on the GUI thread only.
    virtual void showInformation(const QString& text) = 0;
    // Shows a message of informDuringRun without holding up other windows and
    // returns it (a window that ends when answered); nullptr when it was
    // answered at once. By default the message is shown as inform() shows it.
    virtual QWidget* showRunMessage(const QString& text);
    virtual bool showYesNo(const QString& text) = 0;
    virtual QStringList showOpenFiles(const QString& title, const QString& filter) = 0;
    virtual QString showFolderBrowser(const QString& title, const QString& start) = 0;

private:
    static Prompts& current();
};
