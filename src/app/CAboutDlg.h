// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

// The About box: the program's icon, name and version and release date (both from
// the build), the maker's web and e-mail addresses with buttons to open them, and
// the licence.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    static const QString kHomePage;
    static const QString kSupportAddress;
    static QString emailSubject();

    explicit CAboutDlg(QWidget* parent = nullptr);

    // The maker's home page in the browser (button 1009, command 138).
    static void openHomePage();
    // A new e-mail to the maker's support address (button 1010).
    static void writeEmail();
};
