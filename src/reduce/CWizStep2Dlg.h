// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Step 2 of the reduction wizard: where the reduced photos go, and whether the
// output folder is packed into one file afterwards (a zip; on Windows the
// archiver's self-extracting .exe), optionally sent by e-mail. Run modally by step 1 for every press of Next; each opening
// proposes today's folder under the default output base, created only by Start
// (a browsed folder's dated folder is created at once).
// Start (OK) ends the wizard, Back (Cancel) returns to step 1. GUI thread only.
class CWizStep2Dlg : public QDialog
{
    Q_OBJECT

public:
    static const QString kDefaultArchiveName;
    static QString browseTitle();
    static QString emptyFieldMessage();
    static QString cannotCreateFolderMessage(); // %1: the folder
    static QString relativeFolderMessage();     // %1: an example of a full path
    static QString archiveNameMessage();        // %1: the name, %2: why it cannot be used
    static QString emailAddressMessage();

    explicit CWizStep2Dlg(QWidget* parent = nullptr);

    // Today's local date as "%Y%m%d", the name of every dated output folder.
    static QString todayText();
    // Today's folder under the default output base (the user's Pictures folder).
    static QString defaultOutputFolder();

    // The fields as last read from the controls (after Start: what the user chose).
    const QString& outputFolder() const { return m_outputFolder; }
    const QString& archiveName() const { return m_archiveName; }
    const QString& emailAddress() const { return m_emailAddress; }
    int makeSingleFile() const { return m_singleFile; }
    int makeEmail() const { return m_email; }

private:
    void createControls();
    void exchange(bool reading);
    void enableControls();
    void onSingleFileClicked();
    void onEmailClicked();
    void onBrowse();
    void onStart();
    // Shows the message and puts the focus into the field to mend.
    bool refuseIfEmpty(QLineEdit* edit);
    void refuse(QLineEdit* edit, const QString& message);

    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QCheckBox* m_singleFileBox = nullptr;
    QLineEdit* m_archiveEdit = nullptr;
    QCheckBox* m_emailBox = nullptr;
    QLineEdit* m_emailEdit = nullptr;
    QLabel* m_archiveLabel = nullptr;
    QLabel* m_archiveSuffixLabel = nullptr;
    QLabel* m_emailLabel = nullptr;

    QString m_outputFolder;
    QString m_archiveName;
    QString m_emailAddress;
    int m_singleFile = 0;
    int m_email = 0;
};
