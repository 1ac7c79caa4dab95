// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What single keystrokes do to a value text: the rules behind typing into the numeric edit.

#include "rules/numedit/numberformat.h"

#include <QChar>
#include <QString>

namespace rova::numedit
{

// Whether one more digit may be typed: decimals below decimalLength after a point, otherwise integer
// digits (the sign not counted) below integerLength.
bool roomForDigit(const QString& value, const NumberFormat& f);
// Backspace: the last character goes, and a point left standing at the end goes with it.
QString withoutLast(const QString& value);
// Characters committed by an input method: full-width digits, minus and full stop become the keys they
// stand for; anything else is returned unchanged.
QChar fromInputMethod(QChar ch);

} // namespace rova::numedit
