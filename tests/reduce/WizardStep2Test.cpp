// SPDX-License-Identifier: MIT
// Wizard step 2: today's folder proposed on opening and created by Start,
// browsing, the enabling rules and the checks of Start.
#include "ReduceTestSupport.h"

#include "platform/WidgetId.h"
#include "reduce/CWizStep2Dlg.h"
#include "res/ids.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

namespace ctl = ids::wizardStep2;
using reducetest::ScopedHome;

class WizardStep2 : public ::testing::Test
{
protected:
    template <class T = QWidget>
    T* control(int id)
    {
        return WidgetId::find<T>(&dialog, id);
    }
    void click(int id) { control<QAbstractButton>(id)->click(); }
    QString text(int id) { return control<QLineEdit>(id)->text(); }
    void type(int id, const QString& typed) { control<QLineEdit>(id)->setText(typed); }
    bool enabled(int id) { return control(id)->isEnabled(); }
    // Whether the label naming a field looks enabled.
    bool labelEnabled(int id)
    {
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy() == control(id))
                return label->isEnabled();
        }
        ADD_FAILURE() << "no label for control " << id;
        return false;
    }

    ScopedHome home;
    ScriptedPrompts prompts;
    CWizStep2Dlg dialog;
};

TEST_F(WizardStep2, OpeningProposesTodaysFolderWhichOnlyStartCreates)
{
    EXPECT_EQ(text(ctl::OutputFolder), home.datedFolder());
    EXPECT_EQ(text(ctl::ArchiveName), "MyNewPhotos");
    EXPECT_EQ(text(ctl::EmailAddress), "");
    click(ctl::Back);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(home.datedFolder()));
    EXPECT_EQ(CWizStep2Dlg::todayText().size(), 8);

    CWizStep2Dlg again;
    WidgetId::find<QAbstractButton>(&again, ctl::Start)->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(home.datedFolder()).isDir());
}

// An archive name that is empty or that the file system refuses, and an address
// that could carry more than one recipient, keep the user in this step, in the
// field to mend.
TEST_F(WizardStep2, StartRefusesAnArchiveNameOrAddressThatCannotBeUsed)
{
    struct Row {
        QString archiveName, address, message;
        int field;
    };
    const Row rows[] = {
        {QString(), QStringLiteral("ann@example.org"), QStringLiteral("Field is empty"), ctl::ArchiveName},
        {QStringLiteral("Trip 12/2024"), QStringLiteral("ann@example.org"),
         QStringLiteral("The file name \"Trip 12/2024\" cannot be used: a file name cannot hold \"/\"."),
         ctl::ArchiveName},
        {QStringLiteral("Trip"), QStringLiteral("mailto:friend@x?attach=/etc/shadow"),
         CWizStep2Dlg::emailAddressMessage(), ctl::EmailAddress},
        {QStringLiteral("Trip"), QStringLiteral("ann@example.org, bob@example.org"),
         CWizStep2Dlg::emailAddressMessage(), ctl::EmailAddress},
    };
    for (const Row& row : rows) {
        prompts.log.clear();
        CWizStep2Dlg step;
        step.show();
        WidgetId::find<QAbstractButton>(&step, ctl::SingleFile)->click();
        WidgetId::find<QAbstractButton>(&step, ctl::MakeEmail)->click();
        WidgetId::find<QLineEdit>(&step, ctl::ArchiveName)->setText(row.archiveName);
        WidgetId::find<QLineEdit>(&step, ctl::EmailAddress)->setText(row.address);
        WidgetId::find<QAbstractButton>(&step, ctl::Start)->click();
        EXPECT_NE(step.result(), QDialog::Accepted) << row.message.toStdString();
        EXPECT_EQ(prompts.messages(), QStringList{row.message});
        EXPECT_EQ(step.focusWidget(), WidgetId::find<QWidget>(&step, row.field));
        EXPECT_FALSE(QFileInfo::exists(home.datedFolder()));
        step.close();
    }
}

#ifndef Q_OS_WIN
TEST_F(WizardStep2, TheSingleFileIsAZipArchive)
{
    EXPECT_EQ(control<QCheckBox>(ctl::SingleFile)->text(), "&Merge all photos into one file (zip archive)");
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(".zip ")) << labels.join(" | ").toStdString();
    EXPECT_FALSE(labels.join(QString()).contains(".exe"));
}
#endif

TEST_F(WizardStep2, BrowsingToAFolderAppendsTodayAndCreatesThatFolder)
{
    const QString chosen = home.path() + QStringLiteral("/Out");
    QDir().mkdir(chosen);
    prompts.folderAnswers.push_back(chosen);
    click(ctl::Browse);
    const QString expected = chosen + QLatin1Char('/') + CWizStep2Dlg::todayText();
    EXPECT_EQ(text(ctl::OutputFolder), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(prompts.log, QStringList{"folder: Select a folder for output files | " + home.datedFolder()});
}

TEST_F(WizardStep2, BrowsingToTheRootGivesOneSeparator)
{
    const QString expected = QLatin1Char('/') + CWizStep2Dlg::todayText();
    const bool existedBefore = QFileInfo::exists(expected);
    prompts.folderAnswers.push_back(QStringLiteral("/"));
    click(ctl::Browse);
    EXPECT_EQ(text(ctl::OutputFolder), expected);
    if (!existedBefore)
        QDir().rmdir(expected);
}

TEST_F(WizardStep2, ACancelledBrowserAndBrowsingItselfKeepWhatWasTyped)
{
    type(ctl::OutputFolder, QStringLiteral("/typed/folder"));
    click(ctl::Browse); // cancelled
    EXPECT_EQ(text(ctl::OutputFolder), "/typed/folder");

    click(ctl::SingleFile);
    type(ctl::ArchiveName, QStringLiteral("holiday"));
    prompts.folderAnswers.push_back(home.path());
    click(ctl::Browse);
    EXPECT_EQ(text(ctl::ArchiveName), "holiday");
    EXPECT_TRUE(control<QCheckBox>(ctl::SingleFile)->isChecked());
}

TEST_F(WizardStep2, TheArchiveAndEmailControlsFollowTheirCheckBoxes)
{
    EXPECT_FALSE(enabled(ctl::ArchiveName));
    EXPECT_FALSE(enabled(ctl::MakeEmail));
    EXPECT_FALSE(enabled(ctl::EmailAddress));

    click(ctl::SingleFile);
    EXPECT_TRUE(enabled(ctl::ArchiveName));
    EXPECT_TRUE(enabled(ctl::MakeEmail));
    EXPECT_FALSE(enabled(ctl::EmailAddress));

    click(ctl::MakeEmail);
    EXPECT_TRUE(enabled(ctl::EmailAddress));

    EXPECT_TRUE(labelEnabled(ctl::ArchiveName));
    EXPECT_TRUE(labelEnabled(ctl::EmailAddress));

    click(ctl::SingleFile); // off again: all three disabled, the e-mail box keeps its tick
    EXPECT_FALSE(enabled(ctl::ArchiveName));
    EXPECT_FALSE(enabled(ctl::MakeEmail));
    EXPECT_FALSE(enabled(ctl::EmailAddress));
    EXPECT_TRUE(control<QCheckBox>(ctl::MakeEmail)->isChecked());
    EXPECT_FALSE(labelEnabled(ctl::ArchiveName));
    EXPECT_FALSE(labelEnabled(ctl::EmailAddress));

    click(ctl::SingleFile);
    EXPECT_TRUE(enabled(ctl::EmailAddress));
}

// A ticked e-mail box left disabled by a cleared Merge asks for nothing.
TEST_F(WizardStep2, StartNeverFindsADisabledFieldEmpty)
{
    click(ctl::SingleFile);
    click(ctl::MakeEmail);
    click(ctl::SingleFile);
    click(ctl::Start);
    EXPECT_EQ(prompts.messages(), QStringList{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

struct FolderRow
{
    const char* name;
    const char* typed; // HOME: the home folder
    const char* made;  // the folder Start makes and hands on; nullptr: Start stays with a message
    QString (*message)(const ScopedHome& home, const QString& typed);
};

class WizardStep2Folder : public WizardStep2, public ::testing::WithParamInterface<FolderRow>
{
};

TEST_P(WizardStep2Folder, StartMakesTheTypedFolderOrStaysWithTheFocusOnIt)
{
    QFile blocker(home.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto inHome = [this](const char* path) { return QString::fromUtf8(path).replace("HOME", home.path()); };
    const QString typed = inHome(GetParam().typed);
    dialog.show();
    type(ctl::OutputFolder, typed);
    click(ctl::Start);
    if (GetParam().made) {
        EXPECT_EQ(prompts.messages(), QStringList{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.outputFolder(), inHome(GetParam().made));
        EXPECT_TRUE(QFileInfo(inHome(GetParam().made)).isDir());
    } else {
        EXPECT_EQ(prompts.messages(), QStringList{GetParam().message(home, typed)});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.focusWidget(), control(ctl::OutputFolder));
        EXPECT_FALSE(QFileInfo::exists(typed));
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("~")));
    dialog.close();
}

const FolderRow kFolders[] = {
    {"Existing", "HOME", "HOME", nullptr},
    {"Mistyped", "HOME/Photso/20260101", "HOME/Photso/20260101", nullptr},
    {"TildeIsTheHomeFolder", "~/ForMail", "HOME/ForMail", nullptr},
    {"BelowAFile", "HOME/file/out", nullptr,
     [](const ScopedHome&, const QString& typed) { return QStringLiteral("The folder %1 cannot be created.").arg(typed); }},
    {"Empty", "", nullptr, [](const ScopedHome&, const QString&) { return QStringLiteral("Field is empty"); }},
    {"Relative", "ForMail", nullptr,
     [](const ScopedHome& home, const QString&) { return CWizStep2Dlg::relativeFolderMessage().arg(home.datedFolder()); }},
};
INSTANTIATE_TEST_SUITE_P(Typed, WizardStep2Folder, ::testing::ValuesIn(kFolders),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardStep2, StartHandsOnTheChoices)
{
    click(ctl::SingleFile);
    click(ctl::MakeEmail);
    type(ctl::ArchiveName, QStringLiteral("pics.exe"));
    type(ctl::EmailAddress, QStringLiteral("me@example.org"));
    type(ctl::OutputFolder, home.path());
    click(ctl::Start);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.log.isEmpty());
    EXPECT_EQ(dialog.outputFolder(), home.path());
    EXPECT_EQ(dialog.archiveName(), "pics.exe");
    EXPECT_EQ(dialog.emailAddress(), "me@example.org");
    EXPECT_EQ(dialog.makeSingleFile(), 1);
    EXPECT_EQ(dialog.makeEmail(), 1);
}

} // namespace
