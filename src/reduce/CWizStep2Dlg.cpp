// SPDX-License-Identifier: MIT
#include "reduce/CWizStep2Dlg.h"

#include "core/PackerCommand.h"
#include "core/ReductionRules.h"
#include "platform/DataExchange.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"
#include "platform/Translation.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ctl = ids::wizardStep2;

const QString CWizStep2Dlg::kDefaultArchiveName = QString::fromLatin1(snapwane::kDefaultArchiveName);
QString CWizStep2Dlg::browseTitle()
{
    return tr("Select a folder for output files");
}

QString CWizStep2Dlg::emptyFieldMessage()
{
    return tr("Field is empty");
}

QString CWizStep2Dlg::cannotCreateFolderMessage()
{
    return tr("The folder %1 cannot be created.");
}

QString CWizStep2Dlg::relativeFolderMessage()
{
    return tr("Please enter the full path of the output folder, for example %1.");
}

QString CWizStep2Dlg::archiveNameMessage()
{
    return tr("The file name \"%1\" cannot be used: %2.");
}

QString CWizStep2Dlg::emailAddressMessage()
{
    return tr("Please enter one plain e-mail address, such as name@example.org.");
}

namespace {

// A folder browser may hand back a root, and joining may double a separator:
// the folder keeps single ones.
QString withSingleSeparators(QString folder)
{
    const QString single(NativePath::separator());
    const QString doubled = single + single;
    while (folder.contains(doubled))
        folder.replace(doubled, single);
    return folder;
}

void makeFolder(const QString& folder)
{
    QDir().mkdir(folder); // an existing or impossible folder is no matter here
}

// "~" and "~/..." are the home folder, as in a shell.
QString withHomeExpanded(const QString& folder)
{
    if (folder == u'~')
        return NativePath::toNative(QDir::homePath());
    if (folder.startsWith(QStringLiteral("~/")) || folder.startsWith(QString(u'~') + NativePath::separator()))
        return NativePath::join(NativePath::toNative(QDir::homePath()), folder.mid(2));
    return folder;
}

} // namespace

CWizStep2Dlg::CWizStep2Dlg(QWidget* parent)
    : QDialog(parent)
{
    WidgetId::set(this, ids::tmpl::WizardStep2);
    setWindowTitle(tr("Reduce photos - output"));
    createControls();

    m_outputFolder = defaultOutputFolder();
    m_archiveName = kDefaultArchiveName;
    enableControls();
    exchange(false);
}

QString CWizStep2Dlg::todayText()
{
    return QString::fromStdString(snapwane::DateFolderName(std::time(nullptr)));
}

QString CWizStep2Dlg::defaultOutputFolder()
{
    return NativePath::fromFileSystem(
        snapwane::DatedOutputFolder(NativePath::toFileSystem(NativePath::defaultOutputBase())));
}

void CWizStep2Dlg::createControls()
{
    auto* folderGroup = new QGroupBox(tr("Output folder"), this);
    m_folderEdit = new QLineEdit(folderGroup);
    WidgetId::set(m_folderEdit, ctl::OutputFolder);
    m_folderEdit->setMinimumWidth(320);
    m_browseButton = new QPushButton(QStringLiteral("&..."), folderGroup);
    WidgetId::set(m_browseButton, ctl::Browse);
    m_browseButton->setAccessibleName(tr("Choose the output folder"));
    m_browseButton->setToolTip(tr("Choose the output folder"));
    m_browseButton->setFixedWidth(32);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folderEdit);
    folderRow->addWidget(m_browseButton);
    auto* folderLayout = new QVBoxLayout(folderGroup);
    auto* folderLabel = new QLabel(tr("&Where should the reduced photos be written?"), folderGroup);
    folderLabel->setBuddy(m_folderEdit);
    folderLayout->addWidget(folderLabel);
    folderLayout->addLayout(folderRow);

    m_singleFileBox = new QCheckBox(snapwane::kNativePacker == snapwane::Packer::WindowsArchiver
                                        ? tr("&Merge all photos into one file (self-extracting archive)")
                                        : tr("&Merge all photos into one file (zip archive)"),
                                    this);
    WidgetId::set(m_singleFileBox, ctl::SingleFile);
    m_archiveEdit = new QLineEdit(this);
    WidgetId::set(m_archiveEdit, ctl::ArchiveName);
    m_emailBox = new QCheckBox(tr("Create an &e-mail with this file to"), this);
    WidgetId::set(m_emailBox, ctl::MakeEmail);
    m_emailEdit = new QLineEdit(this);
    WidgetId::set(m_emailEdit, ctl::EmailAddress);

    auto* packing = new QGridLayout;
    packing->addWidget(m_singleFileBox, 0, 0, 1, 3);
    m_archiveLabel = new QLabel(tr("File &name:"), this);
    m_archiveLabel->setBuddy(m_archiveEdit);
    m_archiveSuffixLabel = new QLabel(QString::fromLatin1(snapwane::ArchiveExtension()) + u' ', this);
    m_emailLabel = new QLabel(tr("E-mail &address:"), this);
    m_emailLabel->setBuddy(m_emailEdit);
    packing->addWidget(m_archiveLabel, 1, 0);
    packing->addWidget(m_archiveEdit, 1, 1);
    packing->addWidget(m_archiveSuffixLabel, 1, 2);
    packing->addWidget(m_emailBox, 2, 0, 1, 3);
    packing->addWidget(m_emailLabel, 3, 0);
    packing->addWidget(m_emailEdit, 3, 1);
    packing->setColumnMinimumWidth(0, 110);

    auto* backButton = new QPushButton(tr("<< &Back"), this);
    WidgetId::set(backButton, ctl::Back);
    auto* startButton = new QPushButton(tr("&Start"), this);
    WidgetId::set(startButton, ctl::Start);
    startButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(backButton);
    buttons->addWidget(startButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderGroup);
    layout->addLayout(packing);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_browseButton, &QPushButton::clicked, this, &CWizStep2Dlg::onBrowse);
    connect(m_singleFileBox, &QCheckBox::clicked, this, &CWizStep2Dlg::onSingleFileClicked);
    connect(m_emailBox, &QCheckBox::clicked, this, &CWizStep2Dlg::onEmailClicked);
    connect(startButton, &QPushButton::clicked, this, &CWizStep2Dlg::onStart);
    connect(backButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CWizStep2Dlg::exchange(bool reading)
{
    DataExchange dx(reading ? DataExchange::Read : DataExchange::Write);
    dx.text(m_folderEdit, m_outputFolder);
    dx.text(m_archiveEdit, m_archiveName);
    dx.text(m_emailEdit, m_emailAddress);
    dx.check(m_singleFileBox, m_singleFile);
    dx.check(m_emailBox, m_email);
}

// The archive name and the e-mail choice belong to the single file; the address
// to the e-mail choice. A disabled e-mail box keeps its tick. Each label looks
// as its field does.
void CWizStep2Dlg::enableControls()
{
    const bool archive = m_singleFile != 0;
    m_archiveEdit->setEnabled(archive);
    m_archiveLabel->setEnabled(archive);
    m_archiveSuffixLabel->setEnabled(archive);
    m_emailBox->setEnabled(archive);
    m_emailEdit->setEnabled(archive && m_email != 0);
    m_emailLabel->setEnabled(m_emailEdit->isEnabled());
}

void CWizStep2Dlg::onSingleFileClicked()
{
    exchange(true);
    enableControls();
}

void CWizStep2Dlg::onEmailClicked()
{
    exchange(true);
    enableControls();
}

// A chosen folder gets today's folder below it, created at once. Only the folder
// edit is rewritten, so whatever else was typed stays; a cancelled browser
// changes nothing.
void CWizStep2Dlg::onBrowse()
{
    const QString chosen = Prompts::chooseFolder(browseTitle(), m_folderEdit->text());
    if (chosen.isEmpty())
        return;
    m_outputFolder = withSingleSeparators(NativePath::toNative(chosen));
    m_outputFolder = withSingleSeparators(NativePath::join(m_outputFolder, todayText()));
    makeFolder(m_outputFolder);
    m_folderEdit->setText(m_outputFolder);
}

// Only a field the user can type into can be found empty. The output folder,
// the default one too, is created here, when the run starts, so a cancelled
// wizard leaves nothing behind; a folder that cannot be made, a relative one (it
// would land wherever the program was started), an archive name the file system
// refuses and an address that is not plain keep the user in this step with the
// field to mend.
void CWizStep2Dlg::onStart()
{
    exchange(true);
    if (refuseIfEmpty(m_folderEdit) || refuseIfEmpty(m_archiveEdit) || refuseIfEmpty(m_emailEdit))
        return;
    m_outputFolder = withHomeExpanded(m_outputFolder);
    m_emailAddress = m_emailAddress.trimmed();
    exchange(false);
    if (QDir::isRelativePath(m_outputFolder)) {
        refuse(m_folderEdit, relativeFolderMessage().arg(defaultOutputFolder()));
        return;
    }
    if (m_archiveEdit->isEnabled()) {
        const snapwane::UserText fault = snapwane::ArchiveNameFaultText(m_archiveName.toStdString());
        if (!fault.Empty()) {
            refuse(m_archiveEdit, archiveNameMessage().arg(m_archiveName, Translation::ofEngine(fault)));
            return;
        }
    }
    if (m_emailEdit->isEnabled() && !snapwane::IsPlainEmailAddress(m_emailAddress.toStdString())) {
        refuse(m_emailEdit, emailAddressMessage());
        return;
    }
    if (!QDir().mkpath(m_outputFolder)) {
        refuse(m_folderEdit, cannotCreateFolderMessage().arg(m_outputFolder));
        return;
    }
    accept();
}

bool CWizStep2Dlg::refuseIfEmpty(QLineEdit* edit)
{
    if (!edit->isEnabled() || !edit->text().isEmpty())
        return false;
    refuse(edit, emptyFieldMessage());
    return true;
}

void CWizStep2Dlg::refuse(QLineEdit* edit, const QString& message)
{
    Prompts::inform(message);
    edit->setFocus();
    edit->selectAll();
}
