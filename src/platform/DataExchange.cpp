// SPDX-License-Identifier: MIT
#include "platform/DataExchange.h"

#include "platform/IntegerEdit.h"
#include "platform/Prompts.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

QString controlText(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->text();
    if (auto* integer = qobject_cast<IntegerEdit*>(edit))
        return integer->text();
    return {};
}

void setControlText(QWidget* edit, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->setText(text);
    else if (auto* integer = qobject_cast<IntegerEdit*>(edit))
        integer->setText(text);
}

} // namespace

QString DataExchange::rangeMessage(qlonglong minimum, qlonglong maximum)
{
    return tr("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum);
}

void DataExchange::integer(QWidget* edit, int& value, int minimum, int maximum)
{
    if (!m_ok)
        return;
    if (!reading()) {
        setControlText(edit, QString::number(value));
        return;
    }
    qlonglong number = 0;
    if (readNumber(edit, true, minimum, maximum, number))
        value = static_cast<int>(number);
}

void DataExchange::positiveInteger(QWidget* edit, unsigned& value, unsigned minimum, unsigned maximum)
{
    if (!m_ok)
        return;
    if (!reading()) {
        setControlText(edit, QString::number(value));
        return;
    }
    qlonglong number = 0;
    if (readNumber(edit, false, minimum, maximum, number))
        value = static_cast<unsigned>(number);
}

bool DataExchange::readNumber(QWidget* edit, bool allowSign, qlonglong minimum, qlonglong maximum,
                              qlonglong& number)
{
    static const QRegularExpression signedPattern(QStringLiteral("^[+-]?\\d+$"));
    static const QRegularExpression unsignedPattern(QStringLiteral("^\\+?\\d+$"));
    const QString typed = controlText(edit).trimmed();
    if (!(allowSign ? signedPattern : unsignedPattern).match(typed).hasMatch()) {
        refuse(edit, allowSign ? tr("Please enter an integer.")
                               : tr("Please enter a positive integer."));
        return false;
    }
    // Digits too many for any field are an integer out of range all the same.
    bool fits = false;
    number = typed.toLongLong(&fits);
    if (!fits || number < minimum || number > maximum) {
        refuse(edit, rangeMessage(minimum, maximum));
        return false;
    }
    return true;
}

void DataExchange::text(QWidget* edit, QString& value)
{
    if (!m_ok)
        return;
    if (reading())
        value = controlText(edit);
    else
        setControlText(edit, value);
}

void DataExchange::check(QAbstractButton* box, int& value)
{
    if (!m_ok)
        return;
    if (reading())
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DataExchange::radio(const QList<QAbstractButton*>& group, int& index)
{
    if (!m_ok)
        return;
    if (reading()) {
        index = -1;
        for (int i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked()) {
                index = i;
                break;
            }
        }
        return;
    }
    for (int i = 0; i < group.size(); ++i)
        group[i]->setChecked(i == index);
}

void DataExchange::refuse(QWidget* edit, const QString& message)
{
    m_ok = false;
    Prompts::inform(message);
    edit->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->selectAll();
    else if (auto* integer = qobject_cast<IntegerEdit*>(edit))
        integer->selectAll();
}
