// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each value of a slip goes on the carrier's forms, in layout units of 1/160 inch from the
// top-left corner of the printable area, in the order the items are drawn.

#include "rules/slip/slipvalues.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace rova::slip
{

inline const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kLatin = QStringLiteral("Lucida Sans Unicode");

struct TextItem {
    QString text;
    QString family;
    int points = 0;
    bool bold = false;
    int x = 0; // layout units, or device dots after mapping
    int y = 0;
    friend bool operator==(const TextItem&, const TextItem&) = default;
};

// A drawn item and the field it shows: field names it as the operator knows it ("おところ①"), label
// is the short name of its place on the form (a box of a postal code, a piece of the date).
struct FieldItem {
    QString field;
    QString label;
    TextItem item;
};

// A place of the form where a value goes, in layout units.
struct LayoutPoint {
    QString label;
    QPoint at;
    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};

enum class FormKind { Standard, TimeService, DeliveryDate, None };

// The six slip-type texts, in the order of the slip-type list.
const QStringList& slipTypes();
// Decided by the exact slip-type text; anything else is None.
FormKind formKind(const QString& slipType);

// The seven boxes of a postal code. A postal code as the operator may type it (seven digits of
// either width, with or without its hyphen, a leading "〒" and blanks) puts one digit in each box.
// Any other text fills them from code page 932 positions 1, 2, 3, 5, 6, 7, 8 of its half-width form. A
// double-byte character is drawn whole in the box of its first byte; a box that falls on its second byte, or
// past the end, stays empty.
QStringList postalCodeBoxes(const QString& code);

// The last three characters of the trimmed text after three leading spaces.
QString padRight3(const QString& text);

// Year, month and day pieces of yyyy/MM/dd, independent of the desktop's locale.
QStringList datePieces(const QDate& date);

// 12, 11 or 10 points by the selected index of the font size choice.
int addressPoints(int fontSizeIndex);

// Every item of the slip in drawing order. Items whose text shows nothing are left out.
QList<TextItem> layoutItems(const SlipValues& slip);
// The same items with the fields they show.
QList<FieldItem> layoutFields(const SlipValues& slip);
// Every place of the form kind a value can go to, each once, in drawing order.
QList<LayoutPoint> layoutPoints(FormKind kind);

} // namespace rova::slip
