// SPDX-License-Identifier: MIT
// Wizard step 1: the opening state, the estimate, the box handed on by Next and
// by Show size, the range messages, and Back.
#include "ReduceTestSupport.h"

#include "platform/IntegerEdit.h"
#include "platform/WidgetId.h"
#include "reduce/CViewPhotoSizesDlg.h"
#include "reduce/CWizStep1Dlg.h"
#include "reduce/CWizStep2Dlg.h"
#include "reduce/ReductionController.h"
#include "reduce/SizeChoice.h"
#include "res/ids.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

namespace ctl = ids::wizardStep1;
using reducetest::ScopedHome;

// Step 1 with its next dialogs answered by the test.
class ScriptedStep1 : public CWizStep1Dlg
{
public:
    using CWizStep1Dlg::CWizStep1Dlg;

    std::function<int(CWizStep2Dlg&)> answerStep2 = [](CWizStep2Dlg&) { return int(QDialog::Rejected); };
    int step2Openings = 0;
    std::vector<QSize> previewBoxes;

protected:
    int runStep2(CWizStep2Dlg& step2) override
    {
        ++step2Openings;
        return answerStep2(step2);
    }
    void runPreview(CViewPhotoSizesDlg& preview) override { previewBoxes.push_back(preview.box()); }
};

int startStep2(CWizStep2Dlg& step2)
{
    WidgetId::find<QPushButton>(&step2, ids::wizardStep2::Start)->click();
    return step2.result();
}

ReductionSettings threePhotos()
{
    ReductionSettings settings;
    settings.photoCount = 3;
    settings.inputBytes = 1'000'000 + 2'000'000 + 1'500'000;
    return settings;
}

class WizardStep1 : public ::testing::Test
{
protected:
    template <class T = QWidget>
    T* control(int id)
    {
        return WidgetId::find<T>(&dialog, id);
    }
    void click(int id) { control<QAbstractButton>(id)->click(); }
    void type(int id, const QString& text) { control<IntegerEdit>(id)->setText(text); }
    QString text(int id) { return control<IntegerEdit>(id)->text(); }
    QString groupCaption() { return control<QGroupBox>(ctl::SizeGroup)->title(); }
    int outputBar() { return control<QProgressBar>(ctl::OutputBar)->value(); }

    ScopedHome home;
    ScriptedPrompts prompts;
    ScriptedStep1 dialog{threePhotos()};
};

TEST_F(WizardStep1, OpensWith640x480Quality75AndTheCustomBoxDisabled)
{
    EXPECT_TRUE(control<QRadioButton>(ctl::Size640)->isChecked());
    EXPECT_EQ(text(ctl::CustomWidth), "640");
    EXPECT_EQ(text(ctl::CustomHeight), "480");
    EXPECT_EQ(text(ctl::Quality), "75");
    EXPECT_FALSE(control(ctl::CustomWidth)->isEnabled());
    EXPECT_FALSE(control(ctl::CustomHeight)->isEnabled());
    EXPECT_EQ(control<QProgressBar>(ctl::InputBar)->value(), 100);
    EXPECT_EQ(groupCaption(), "Output photo size:      Total ~ 135 KBytes");
    EXPECT_EQ(outputBar(), 3);
    EXPECT_EQ(dialog.settings().sizeChoice, SizeChoice::Size640);
    EXPECT_EQ(control<QAbstractButton>(ctl::Size320)->text(), "&320 x 240     (~15 KBytes) ");
    EXPECT_EQ(control<QAbstractButton>(ctl::Size1024)->text(), "&1024 x 768   (~130 KBytes) ");
}

struct EstimateRow
{
    const char* name;
    int control;
    const char* caption;
    int bar;
    bool customEnabled;
};

void PrintTo(const EstimateRow& row, std::ostream* out)
{
    *out << row.name;
}

class WizardStep1Estimate : public WizardStep1, public ::testing::WithParamInterface<EstimateRow>
{
};

// 3 photos of 4 500 000 bytes in all: K = 4500.
TEST_P(WizardStep1Estimate, ClickingASizeShowsItsEstimate)
{
    const EstimateRow& row = GetParam();
    click(row.control);
    EXPECT_EQ(groupCaption(), QString::fromLatin1(row.caption));
    EXPECT_EQ(outputBar(), row.bar);
    EXPECT_EQ(control(ctl::CustomWidth)->isEnabled(), row.customEnabled);
    EXPECT_TRUE(prompts.log.isEmpty());
}

const EstimateRow kEstimates[] = {
    {"Size320", ctl::Size320, "Output photo size:      Total ~ 45 KBytes", 1, false},
    {"Size640", ctl::Size640, "Output photo size:      Total ~ 135 KBytes", 3, false},
    {"Size800", ctl::Size800, "Output photo size:      Total ~ 270 KBytes", 6, false},
    {"Size1024", ctl::Size1024, "Output photo size:      Total ~ 390 KBytes", 8, false},
    {"Custom", ctl::SizeCustom, "Output photo size", 0, true},
    {"Unchanged", ctl::SizeUnchanged, "Output photo size:      Total ~ 4500 KBytes", 100, false},
};

INSTANTIATE_TEST_SUITE_P(Sizes, WizardStep1Estimate, ::testing::ValuesIn(kEstimates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SizeChoiceEstimate, InputUnder1000BytesShowsAFullBarAndAnEstimateAboveTheInputIsCapped)
{
    EXPECT_EQ(SizeChoice::estimate(SizeChoice::Size640, 2, 999).outputBar, 100);
    EXPECT_EQ(SizeChoice::estimate(SizeChoice::Size640, 2, 999).groupCaption,
              "Output photo size:      Total ~ 90 KBytes");
    EXPECT_EQ(SizeChoice::estimate(SizeChoice::Size1024, 10, 100'000).outputBar, 100);
    // 1000 photos of almost 5 MB: the total does not wrap around.
    EXPECT_EQ(SizeChoice::estimate(SizeChoice::Unchanged, 1000, 4'999'999'000ull).groupCaption,
              "Output photo size:      Total ~ 4999999 KBytes");
}

TEST_F(WizardStep1, NextMakesAnOddCustomBoxEvenAndShowsIt)
{
    click(ctl::SizeCustom);
    type(ctl::CustomWidth, "641");
    type(ctl::CustomHeight, "479");
    dialog.answerStep2 = startStep2;
    click(ctl::Next);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.settings().targetWidth, 640);
    EXPECT_EQ(dialog.settings().targetHeight, 478);
    EXPECT_EQ(text(ctl::CustomWidth), "640");
    EXPECT_EQ(text(ctl::CustomHeight), "478");
}

TEST_F(WizardStep1, ShowSizeTakesTheCustomBoxAsTyped)
{
    click(ctl::SizeCustom);
    type(ctl::CustomWidth, "641");
    type(ctl::CustomHeight, "479");
    click(ctl::ShowSize);
    ASSERT_EQ(dialog.previewBoxes.size(), 1u);
    EXPECT_EQ(dialog.previewBoxes[0], QSize(641, 479));
    EXPECT_EQ(text(ctl::CustomWidth), "641");
}

TEST_F(WizardStep1, ARefusedWidthKeepsStep1OpenWithTheFocusInTheField)
{
    dialog.show();
    click(ctl::SizeCustom);
    type(ctl::CustomWidth, "49");
    click(ctl::Next);
    EXPECT_EQ(prompts.messages(), QStringList{"Please enter an integer between 50 and 5000."});
    EXPECT_EQ(dialog.step2Openings, 0);
    IntegerEdit* width = control<IntegerEdit>(ctl::CustomWidth);
    EXPECT_TRUE(dialog.focusWidget() == width || width->isAncestorOf(dialog.focusWidget()));
    EXPECT_EQ(text(ctl::CustomWidth), "49");
    dialog.close();
}

TEST_F(WizardStep1, AQualityOutOfRangeGetsItsMessageAndTheFocus)
{
    dialog.show();
    type(ctl::Quality, "101");
    click(ctl::ShowSize);
    EXPECT_EQ(prompts.messages(), QStringList{"Please enter an integer between 10 and 100."});
    IntegerEdit* quality = control<IntegerEdit>(ctl::Quality);
    EXPECT_TRUE(dialog.focusWidget() == quality || quality->isAncestorOf(dialog.focusWidget()));
    EXPECT_TRUE(dialog.previewBoxes.empty()); // the user stays to mend the quality
    dialog.close();
}

TEST_F(WizardStep1, NoChangeHandsOnTheLargestBox)
{
    click(ctl::SizeUnchanged);
    dialog.answerStep2 = startStep2;
    click(ctl::Next);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.settings().targetWidth, 5000);
    EXPECT_EQ(dialog.settings().targetHeight, 5000);
}

TEST_F(WizardStep1, BackFromStep2KeepsEveryChoiceAndStartHandsThemOn)
{
    click(ctl::Size800);
    type(ctl::Quality, "60");
    click(ctl::Next); // step 2 answers Back
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(control<QRadioButton>(ctl::Size800)->isChecked());
    EXPECT_EQ(text(ctl::Quality), "60");

    dialog.answerStep2 = [](CWizStep2Dlg& step2) {
        WidgetId::find<QLineEdit>(&step2, ids::wizardStep2::OutputFolder)->setText(QStringLiteral("/tmp/out"));
        return startStep2(step2);
    };
    click(ctl::Next);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const ReductionSettings& settings = dialog.settings();
    EXPECT_EQ(QSize(settings.targetWidth, settings.targetHeight), QSize(800, 600));
    EXPECT_EQ(settings.quality, 60u);
    EXPECT_EQ(settings.outputFolder, "/tmp/out");
    EXPECT_EQ(settings.archiveName, "MyNewPhotos");
    EXPECT_EQ(settings.makeSingleFile, 0);
}

// What is left in the disabled custom fields is never read: no message, on a
// size click or at the end.
TEST_F(WizardStep1, AValueLeftInTheDisabledCustomFieldsIsNoMatter)
{
    click(ctl::SizeCustom);
    type(ctl::CustomWidth, "30");
    click(ctl::Size320);
    click(ctl::Size800);
    dialog.answerStep2 = startStep2;
    click(ctl::Next);
    EXPECT_EQ(prompts.messages(), QStringList{});
    EXPECT_EQ(dialog.step2Openings, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.settings().targetWidth, 800);
}

// The caption of the size group changes with each size; the dialog does not.
TEST_F(WizardStep1, KeepsItsWidthWhateverTheSize)
{
    dialog.show();
    const int width = dialog.width();
    for (int id : {ctl::Size320, ctl::Size1024, ctl::SizeUnchanged, ctl::SizeCustom, ctl::Size640}) {
        click(id);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.width(), width) << "after size " << id;
    }
    dialog.close();
}

// Asked once before anything is written whenever the run would write over a
// file: an unlisted photo of the same name, a photo's own original, the archive.
// No goes back to step 2, Yes ends the wizard.
TEST(WizardStep1Replacing, AnyExistingFileIsAskedForAndNoReturnsToStep2)
{
    ScopedHome home;
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("other"));
    const QString out = folder.filePath(QStringLiteral("out"));
    for (const QString& file : {other + "/beach.jpg", out + "/beach.jpg", out + "/own.jpg", out + "/MyNewPhotos.zip",
                                folder.filePath(QStringLiteral("in/Beach.JPG"))}) {
        QDir().mkpath(QFileInfo(file).path());
        QFile(file).open(QIODevice::WriteOnly);
    }
    const std::vector<ReductionPhoto> photos = {{"beach.jpg", folder.filePath(QStringLiteral("in/Beach.JPG")), 1, {}},
                                                {"own.jpg", out + "/own.jpg", 1, {}}};
    ScriptedStep1 dialog{ReductionController::settingsFor(photos)};
    dialog.answerStep2 = [&](CWizStep2Dlg& step2) {
        const bool second = dialog.step2Openings == 2;
        WidgetId::find<QLineEdit>(&step2, ids::wizardStep2::OutputFolder)->setText(second ? out : other);
        if (second)
            WidgetId::find<QCheckBox>(&step2, ids::wizardStep2::SingleFile)->click();
        return startStep2(step2);
    };
    prompts.yesNoAnswers = {false, true};
    WidgetId::find<QPushButton>(&dialog, ctl::Next)->click();

    EXPECT_EQ(prompts.messages(),
              QStringList({"1 file in " + other + " would be replaced. Replace it?",
                           "3 files in " + out + " would be replaced (1 of them the original of one of your photos). "
                                                 "Replace them?"}));
    EXPECT_EQ(dialog.step2Openings, 2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.settings().outputFolder, out);
}

} // namespace
