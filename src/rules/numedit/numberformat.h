// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/numedit: the number rules of the numeric edit.
//
// The number rules of the numeric edit, as pure functions: what a value text may hold, how it is
// shown, and the templates the control measures its layout with. Usable without any widget.

#include <QByteArray>
#include <QString>

namespace rova::numedit
{

struct NumberFormat {
    int integerLength = 9; // digits before the point
    int decimalLength = 3; // digits after the point; 0 = no point accepted
    bool minus = true;     // a leading "-" is accepted
    bool comma = true;     // thousands commas in the shown integer part
    bool zeroEnabled = false;
    bool integerFixed = false;
    bool decimalFixed = false;
};

// Any text to a valid value text: the longest valid beginning, or empty when the integer part is too long.
QString filterText(const QString& text, const NumberFormat& f);
// The same on code page 932 bytes; a double-byte character other than a full-width digit, minus,
// full stop or comma, a dangling lead byte or a stray trail byte ends the text.
QString filterBytes(const QByteArray& cp932, const NumberFormat& f);

// Leading zeros of the integer part removed (unless zeroEnabled); a bare point gets a "0" in front.
QString stripZeros(const QString& value, const NumberFormat& f);

struct SplitNumber {
    QString sign, integerPart, point, decimalPart;
    QString joined() const { return sign + integerPart + point + decimalPart; }
};
SplitNumber splitNumber(const QString& value);

QString insertCommas(const QString& digits);

// The number as shown, without marks.
QString formatValue(const QString& value, const NumberFormat& f);
// The shown number with the marks; empty when there is nothing to show.
QString displayImage(const QString& value, const NumberFormat& f, const QString& leftMark,
                     const QString& rightMark);
// The typed part as shown, without the zeros that decimalFixed pads; the caret stands after it.
QString inputTemplate(const QString& value, const NumberFormat& f);
// The text whose width the value area is laid out for.
QString layoutTemplate(const QString& value, const NumberFormat& f);
// The widest text the format allows.
QString maxTemplate(const NumberFormat& f);

} // namespace rova::numedit
