// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QString>

class QDialog;
class QWidget;

// Where the user guide is. The install puts it under share/snapwane/docs/guide,
// found relative to the program's folder so that any install prefix works; a
// program run from its build tree opens the copy the build puts in docs/ beside it.
class UserGuide
{
    Q_DECLARE_TR_FUNCTIONS(UserGuide)

public:
    static QString windowTitle();

    // The guide's index page; empty when neither copy exists.
    static QString path(const QString& programFolder);
    // Shows the guide at `page` in a window of the program's own, for a desktop
    // with no browser: its links lead within the guide. The window deletes itself
    // when closed. GUI thread only.
    static QDialog* showInWindow(const QString& page, QWidget* parent);
};
