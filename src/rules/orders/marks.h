// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an operator should look at before a slip is printed: each mark a code and a text for the
// tooltip. The check is a pure function of the slip's values, so a list can check a row again
// after it was corrected.

#include "rules/slip/slipvalues.h"

#include <QDate>
#include <QList>
#include <QString>

namespace rova::orders
{

enum class MarkCode {
    PostalCodeForm,     // not three digits, hyphen, four digits
    Unencodable,        // characters code page 932 cannot hold
    Address1TooLong,    // over 40 bytes: the window's warning, rule and text
    NameEmpty,          //
    AddressEmpty,       // address ① empty
    PhoneEmpty,         //
    SenderIncomplete,   // the sender is printed with its name, address or postal code empty
    ItemNameEmpty,      // none of the three item names
    DeliveryDatePast,   //
    DeliveryDateBad,    // month and day that are no date
    NotPrinted,         // a value the slip type's form has no place for
    Overlap,            // values that would run into each other on the form
    PostalCodeMismatch, // postal code and address that do not agree
    // found while importing, not by the check
    Unmapped,        // a value of the file that could not be put on the slip
    TooManyItems,    // more item names than the slip's three lines
    DifferingValues, // rows of one slip that disagree
    CashOnDelivery,  // an order paid on delivery, which these forms cannot collect
    TimeSlotMoved,   // a time slot the form has no box for, printed in the nearest one
};
constexpr int kMarkCodes = int(MarkCode::TimeSlotMoved) + 1;

struct Mark {
    MarkCode code;
    QString text; // for the tooltip; says what was found
    friend bool operator==(const Mark&, const Mark&) = default;
};

// The standing text of a code; marks with details start with it.
QString markText(MarkCode code);
Mark mark(MarkCode code, const QString& detail = QString());

// True for the codes only an import finds (the check never produces them).
bool isImportMark(MarkCode code);

// Every mark the values deserve, in the order of the codes. `today` decides what is past.
QList<Mark> checkSlip(const slip::SlipValues& values, const QDate& today);

// The marks of values a slip is not sent without: a sender printed with empty fields, no item
// name. Part of checkSlip(); also said before a single slip is printed.
QList<Mark> missingValues(const slip::SlipValues& values);

// The mark of a cash-on-delivery order: "代金引換の注文です (¥3,300)", the amount as the file
// gives it when it is no number, without it when the file gives none.
Mark cashOnDelivery(const QString& amount);

// Address ① too long for its line: the same rule as the window's warning.
bool address1TooLong(const QString& add1);

} // namespace rova::orders
