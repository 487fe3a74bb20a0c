// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QList>
#include <QString>

class QAbstractButton;
class QWidget;

// Moves a dialog's values between its fields and its controls. Reading stops at
// the first field the user got wrong: the field's message is shown, the focus
// goes to the control, and ok() is false from then on.
//
//     DataExchange dx(DataExchange::Read);
//     dx.integer(widthEdit, m_width, 50, 5000);
//     dx.positiveInteger(qualityEdit, m_quality, 10, 100);
//     if (!dx.ok()) return;
//
// Text controls are a QLineEdit or an IntegerEdit.
class DataExchange
{
    Q_DECLARE_TR_FUNCTIONS(DataExchange)

public:
    enum Direction { Read, Write }; // Read: controls into fields

    explicit DataExchange(Direction direction) : m_direction(direction) {}

    bool reading() const { return m_direction == Read; }
    bool ok() const { return m_ok; }

    // Refuses "Please enter an integer." and "Please enter an integer between %1 and %2.".
    void integer(QWidget* edit, int& value, int minimum, int maximum);
    // Refuses "Please enter a positive integer." and the range message.
    void positiveInteger(QWidget* edit, unsigned& value, unsigned minimum, unsigned maximum);
    void text(QWidget* edit, QString& value);
    // 0 clear, 1 ticked.
    void check(QAbstractButton* box, int& value);
    // Index of the checked button of the group, -1 when none.
    void radio(const QList<QAbstractButton*>& group, int& index);

    static QString rangeMessage(qlonglong minimum, qlonglong maximum);

private:
    bool readNumber(QWidget* edit, bool allowSign, qlonglong minimum, qlonglong maximum, qlonglong& number);
    void refuse(QWidget* edit, const QString& message);

    Direction m_direction;
    bool m_ok = true;
};
