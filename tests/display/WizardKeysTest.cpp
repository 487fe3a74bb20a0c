// SPDX-License-Identifier: MIT
// The reduction wizard from the keyboard, as a user types it: Enter presses the
// focused button, elsewhere the default one; a refused value keeps the user on
// the step with the focus in the field; Tab finds the chosen size.
#include "DisplaySupport.h"
#include "platform/IntegerEdit.h"
#include "platform/WidgetId.h"
#include "reduce/CViewPhotoSizesDlg.h"
#include "reduce/CWizStep1Dlg.h"
#include "reduce/CWizStep2Dlg.h"
#include "res/ids.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace DisplaySupport;

namespace {

namespace ctl = ids::wizardStep1;

// Step 1 with the dialogs it opens counted instead of run.
class CountingStep1 : public CWizStep1Dlg
{
public:
    using CWizStep1Dlg::CWizStep1Dlg;
    int step2Openings = 0;
    int previewOpenings = 0;

protected:
    int runStep2(CWizStep2Dlg&) override
    {
        ++step2Openings;
        return QDialog::Rejected;
    }
    void runPreview(CViewPhotoSizesDlg&) override { ++previewOpenings; }
};

ReductionSettings threePhotos()
{
    ReductionSettings settings;
    settings.photoCount = 3;
    settings.inputBytes = 4'500'000;
    return settings;
}

// Tabs until the focus is on target; false when it never gets there.
bool tabTo(QWidget* target)
{
    for (int press = 0; press < 20 && QApplication::focusWidget() != target; ++press)
        pressKey(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

bool hasFocusIn(QWidget* widget)
{
    QWidget* focused = QApplication::focusWidget();
    return focused && (focused == widget || widget->isAncestorOf(focused));
}

class WizardKeys : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(showActive(&step1)); }

    template <class T = QWidget>
    T* control(int id)
    {
        return WidgetId::find<T>(&step1, id);
    }

    CountingStep1 step1{threePhotos()};
};

// Enter presses the focused button, elsewhere Next: on the chosen size (where
// the step opens with the focus), in the quality field, on Show size, on Cancel.
TEST_F(WizardKeys, EnterPressesTheFocusedButtonElseNext)
{
    EXPECT_EQ(QApplication::focusWidget(), control(ctl::Size640));
    const struct {
        const char* name;
        int focused;
        int step2Openings, previewOpenings;
    } rows[] = {
        {"OnTheChosenSize", ctl::Size640, 1, 0},
        {"InTheQualityField", ctl::Quality, 1, 0},
        {"OnShowSize", ctl::ShowSize, 0, 1},
        {"OnCancel", ctl::Cancel, 0, 0}, // last: it ends step 1
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int step2Before = step1.step2Openings, previewBefore = step1.previewOpenings;
        ASSERT_TRUE(tabTo(control(row.focused)));
        ASSERT_TRUE(pressKey(Qt::Key_Return));
        EXPECT_EQ(step1.step2Openings - step2Before, row.step2Openings);
        EXPECT_EQ(step1.previewOpenings - previewBefore, row.previewOpenings);
    }
    EXPECT_EQ(step1.result(), QDialog::Rejected);
    EXPECT_FALSE(step1.isVisible());
}

TEST_F(WizardKeys, TabIntoTheSizes_LandsOnTheChosenSize)
{
    auto* chosen = control<QRadioButton>(ctl::Size640);
    ASSERT_TRUE(chosen->isChecked());
    ASSERT_TRUE(tabTo(control(ctl::Cancel)));
    ASSERT_TRUE(pressKey(Qt::Key_Tab));
    EXPECT_EQ(QApplication::focusWidget(), chosen);

    ASSERT_TRUE(pressKey(Qt::Key_Down)); // the arrows choose
    EXPECT_TRUE(control<QRadioButton>(ctl::Size800)->isChecked());
    ASSERT_TRUE(pressKey(Qt::Key_Tab)); // and Tab leaves the sizes
    EXPECT_FALSE(qobject_cast<QRadioButton*>(QApplication::focusWidget()));
    ASSERT_TRUE(pressKey(Qt::Key_Backtab));
    EXPECT_EQ(QApplication::focusWidget(), control(ctl::Size800));
}

// 49 typed as the custom width, then Next: the message, and back in the field.
TEST_F(WizardKeys, RefusedWidthThenNext_StaysWithTheFocusInTheWidth)
{
    click(control(ctl::SizeCustom), QPoint(8, 8));
    auto* width = control<IntegerEdit>(ctl::CustomWidth);
    ASSERT_TRUE(tabTo(width));
    pressKey(Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(typeText(QStringLiteral("49")));
    QString message;
    whenModalActive("QMessageBox", [&](QWidget* box) {
        if (auto* messageBox = qobject_cast<QMessageBox*>(box))
            message = messageBox->text();
        pressKey(Qt::Key_Return);
    });

    auto* next = control<QPushButton>(ctl::Next);
    click(next, next->rect().center());

    EXPECT_EQ(message, QStringLiteral("Please enter an integer between 50 and 5000."));
    EXPECT_EQ(step1.step2Openings, 0);
    EXPECT_TRUE(step1.isVisible());
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == &step1; }));
    EXPECT_TRUE(hasFocusIn(width));
}

class Step2Keys : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(showActive(step2.get())); }

    std::unique_ptr<CWizStep2Dlg> step2 = std::make_unique<CWizStep2Dlg>();
};

TEST_F(Step2Keys, EnterOnFocusedBack_GoesBackWithoutStarting)
{
    ASSERT_TRUE(tabTo(WidgetId::find<QWidget>(step2.get(), ids::wizardStep2::Back)));
    ASSERT_TRUE(pressKey(Qt::Key_Return));
    EXPECT_EQ(step2->result(), QDialog::Rejected);
    EXPECT_FALSE(step2->isVisible());
}

TEST_F(Step2Keys, EnterInTheFolderField_Starts)
{
    ASSERT_TRUE(tabTo(WidgetId::find<QWidget>(step2.get(), ids::wizardStep2::OutputFolder)));
    ASSERT_TRUE(pressKey(Qt::Key_Return));
    EXPECT_EQ(step2->result(), QDialog::Accepted);
}

} // namespace
