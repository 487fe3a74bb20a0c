// SPDX-License-Identifier: MIT
#pragma once
#include "platform/Prompts.h"

#include <QMessageBox>

class QFileDialog;
class QWidget;

// The program's prompts: QMessageBox with the title "Snapwane" and QFileDialog,
// each owned by the active window.
class QtPrompts : public Prompts
{
public:
    static const QString kTitle;

    // The filter handed to the file dialog: each pattern made to match in any
    // case ("*.jpg" -> "*.[jJ][pP][gG]"), since file names on Linux keep their case.
    static QString caseInsensitiveFilter(const QString& filter);
    // The open-file dialog as showOpenFiles runs it: existing files, multiple
    // selection, opened in the current folder, the filter's patterns matching in
    // any case and only its name shown.
    static QFileDialog* createOpenFilesDialog(QWidget* parent, const QString& title, const QString& filter);

    // A message box titled "Snapwane", wide enough for a desktop's title bar
    // to show the whole title beside its buttons, however short the text.
    static QMessageBox* createMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                         QMessageBox::StandardButtons buttons);
    // The message of a run, as showRunMessage shows it: OK only, holding up no
    // window, deleted when closed.
    static QMessageBox* createRunMessage(QWidget* parent, const QString& text);

protected:
    void showInformation(const QString& text) override;
    QWidget* showRunMessage(const QString& text) override;
    bool showYesNo(const QString& text) override;
    // Opens in the process's current folder and moves it to the folder used, so
    // the next dialog opens there.
    QStringList showOpenFiles(const QString& title, const QString& filter) override;
    QString showFolderBrowser(const QString& title, const QString& start) override;
};
