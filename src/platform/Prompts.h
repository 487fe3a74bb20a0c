#pragma once
#include <QString>
#include <QStringList>

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
    virtual bool showYesNo(const QString& text) = 0;
    virtual QStringList showOpenFiles(const QString& title, const QString& filter) = 0;
    virtual QString showFolderBrowser(const QString& title, const QString& start) = 0;

private:
    static Prompts& current();
};
