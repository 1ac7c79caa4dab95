// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tracking number printed on each pre-printed form: 12 digits, the last the first 11 taken
// modulo 7. Kept as 12 half-width digits; people write it in either width, with hyphens or blanks,
// and a barcode scanner frames it with the barcode's start and stop letters (A to D).

#include <QString>

#include <optional>

namespace rova::tracking
{

// The number in its stored form; raises rova::Error saying what is wrong (a wrong check digit names
// the right one).
QString parse(const QString& typed);
// The number a search text stands for, scanned or typed, or nothing when it is no valid number.
std::optional<QString> recognise(const QString& text);
// The form after this one on a stack: the first 11 digits counted up by one, the check digit
// computed again; raises rova::Error past the last number of 11 digits.
QString next(const QString& number);
// The stored number as people read it: NNNN-NNNN-NNNN.
QString display(const QString& number);

} // namespace rova::tracking
