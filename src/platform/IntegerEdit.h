// SPDX-License-Identifier: MIT
#pragma once
#include <QAbstractSpinBox>

// An edit for an integer with up/down arrows beside it. The arrows (and the
// arrow keys, and the wheel) step the number within the range; typed text is
// never corrected or clamped, so a reading of the field (DataExchange) sees
// exactly what the user typed, out-of-range values included.
class IntegerEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit IntegerEdit(QWidget* parent = nullptr);

    // The range the arrows step in; typed text may lie outside it.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Accept only digits when typing, as a numbers-only edit does.
    void setDigitsOnly(bool digitsOnly);

    void setText(const QString& text);
    void setValue(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

Q_SIGNALS:
    void textEdited(const QString& text);

protected:
    void fixup(QString& input) const override;
    StepEnabled stepEnabled() const override;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0; // where the arrows step from when the text is no number
    bool m_digitsOnly = false;
};
