// SPDX-License-Identifier: MIT
// Reading dialog fields: the range and number messages, focus and stopping at
// the first refused field; the integer edit keeps typed text unclamped.
#include "platform/DataExchange.h"
#include "platform/IntegerEdit.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct NumberRow
{
    const char* name;
    const char* typed;
    bool isUnsigned;
    int minimum;
    int maximum;
    const char* message; // empty: accepted
    int value;
};

void PrintTo(const NumberRow& row, std::ostream* out)
{
    *out << row.name;
}

const NumberRow kNumbers[] = {
    {"InRange", "640", false, 50, 5000, "", 640},
    {"Bounds", "50", false, 50, 5000, "", 50},
    {"SpacesAround", " 75 ", true, 10, 100, "", 75},
    {"BelowRange", "49", false, 50, 5000, "Please enter an integer between 50 and 5000.", 0},
    {"AboveRange", "5001", false, 50, 5000, "Please enter an integer between 50 and 5000.", 0},
    {"HugeNumber", "99999999999999999999", false, 50, 5000, "Please enter an integer between 50 and 5000.", 0},
    {"Empty", "", false, 50, 5000, "Please enter an integer.", 0},
    {"Letters", "12a", false, 50, 5000, "Please enter an integer.", 0},
    {"Decimal", "75.5", false, 50, 5000, "Please enter an integer.", 0},
    {"NegativeSigned", "-60", false, -100, 100, "", -60},
    {"NegativeUnsigned", "-5", true, 10, 100, "Please enter a positive integer.", 0},
    {"UnsignedOutOfRange", "101", true, 10, 100, "Please enter an integer between 10 and 100.", 0},
    {"UnsignedLetters", "abc", true, 10, 100, "Please enter a positive integer.", 0},
};

class DataExchangeNumbers : public ::testing::TestWithParam<NumberRow>
{
};

TEST_P(DataExchangeNumbers, ReadsOrRefusesWithTheMessage)
{
    const NumberRow& row = GetParam();
    ScriptedPrompts prompts;
    IntegerEdit edit;
    edit.setRange(row.minimum, row.maximum);
    edit.setText(QString::fromUtf8(row.typed));
    DataExchange dx(DataExchange::Read);
    int value = 0;
    unsigned unsignedValue = 0;
    if (row.isUnsigned)
        dx.positiveInteger(&edit, unsignedValue, row.minimum, row.maximum);
    else
        dx.integer(&edit, value, row.minimum, row.maximum);

    const QString message = QString::fromUtf8(row.message);
    EXPECT_EQ(dx.ok(), message.isEmpty());
    EXPECT_EQ(prompts.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    EXPECT_EQ(row.isUnsigned ? static_cast<int>(unsignedValue) : value, row.value);
}

INSTANTIATE_TEST_SUITE_P(Rows, DataExchangeNumbers, ::testing::ValuesIn(kNumbers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataExchange, StopsAtTheFirstRefusedFieldAndFocusesIt)
{
    ScriptedPrompts prompts;
    QWidget dialog;
    auto* width = new QLineEdit(QStringLiteral("20"), &dialog);
    auto* height = new IntegerEdit(&dialog);
    height->setText(QStringLiteral("x"));
    auto* other = new QLineEdit(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    for (QWidget* w : {static_cast<QWidget*>(width), static_cast<QWidget*>(height), static_cast<QWidget*>(other)})
        layout->addWidget(w);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    other->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), other);

    DataExchange dx(DataExchange::Read);
    int widthValue = 7;
    int heightValue = 8;
    dx.integer(width, widthValue, 50, 5000);
    dx.integer(height, heightValue, 50, 5000);

    EXPECT_FALSE(dx.ok());
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Please enter an integer between 50 and 5000.")});
    EXPECT_EQ(widthValue, 7);
    EXPECT_EQ(heightValue, 8); // never read
    EXPECT_EQ(QApplication::focusWidget(), width);
    dialog.close();
}

TEST(DataExchange, WritesAndReadsTextChecksAndRadios)
{
    QLineEdit name;
    QCheckBox box;
    QWidget group;
    QList<QAbstractButton*> radios;
    for (int i = 0; i < 3; ++i)
        radios.append(new QRadioButton(&group));

    QString text = QStringLiteral("MyNewPhotos");
    int ticked = 1;
    int choice = 2;
    DataExchange write(DataExchange::Write);
    write.text(&name, text);
    write.check(&box, ticked);
    write.radio(radios, choice);
    EXPECT_EQ(name.text(), text);
    EXPECT_TRUE(box.isChecked());
    EXPECT_TRUE(radios[2]->isChecked());

    radios[0]->setChecked(true);
    box.setChecked(false);
    DataExchange read(DataExchange::Read);
    read.check(&box, ticked);
    read.radio(radios, choice);
    EXPECT_EQ(ticked, 0);
    EXPECT_EQ(choice, 0);
}

// Text out of range is kept as typed (the range message names it later); other
// characters are refused where only digits are taken.
TEST(IntegerEdit, KeepsTypedTextOutsideItsRange_DigitsOnlyRefusesOtherCharacters)
{
    IntegerEdit edit;
    edit.setRange(10, 100);
    edit.setText(QStringLiteral("9999"));
    edit.interpretText();
    EXPECT_EQ(edit.text(), QStringLiteral("9999"));

    edit.setDigitsOnly(true);
    QString typed = QStringLiteral("12a");
    int position = 3;
    edit.setText(QStringLiteral("12"));
    EXPECT_EQ(edit.validate(typed, position), QValidator::Invalid);
}

TEST(IntegerEdit, ArrowsStepWithinTheRange)
{
    struct Row
    {
        const char* typed;
        int steps;
        const char* result;
    };
    const Row rows[] = {
        {"75", 1, "76"}, {"75", -1, "74"}, {"100", 1, "100"}, {"10", -1, "10"},
        {"9999", -1, "99"}, {"3", 1, "11"},
    };
    for (const Row& row : rows) {
        IntegerEdit edit;
        edit.setRange(10, 100);
        edit.setText(QString::fromUtf8(row.typed));
        edit.stepBy(row.steps);
        EXPECT_EQ(edit.text(), QString::fromUtf8(row.result)) << row.typed << " " << row.steps;
    }
}

TEST(IntegerEdit, ArrowsStartFromTheLastNumberWhenTheTextIsNone)
{
    IntegerEdit edit;
    edit.setRange(50, 5000);
    edit.setValue(640);
    edit.setText(QStringLiteral("abc"));
    edit.stepBy(1);
    EXPECT_EQ(edit.text(), QStringLiteral("641"));
}

} // namespace
