// SPDX-License-Identifier: MIT
#include "platform/IntegerEdit.h"

#include <QLineEdit>

#include <algorithm>

IntegerEdit::IntegerEdit(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &IntegerEdit::textEdited);
}

void IntegerEdit::setRange(int minimum, int maximum)
{
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
}

void IntegerEdit::setDigitsOnly(bool digitsOnly)
{
    m_digitsOnly = digitsOnly;
}

void IntegerEdit::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void IntegerEdit::setValue(int value)
{
    m_position = std::clamp(value, m_minimum, m_maximum);
    setText(QString::number(value));
}

void IntegerEdit::stepBy(int steps)
{
    bool isNumber = false;
    const qlonglong typed = text().trimmed().toLongLong(&isNumber);
    const qlonglong from = isNumber ? std::clamp<qlonglong>(typed, m_minimum, m_maximum) : m_position;
    m_position = static_cast<int>(std::clamp<qlonglong>(from + steps, m_minimum, m_maximum));
    setText(QString::number(m_position));
    lineEdit()->selectAll();
    Q_EMIT textEdited(text());
}

QValidator::State IntegerEdit::validate(QString& input, int&) const
{
    if (m_digitsOnly && std::any_of(input.cbegin(), input.cend(), [](QChar c) { return !c.isDigit(); }))
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

void IntegerEdit::fixup(QString&) const
{
    // Typed text stays as typed: the reading of the field judges it.
}

QAbstractSpinBox::StepEnabled IntegerEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}
