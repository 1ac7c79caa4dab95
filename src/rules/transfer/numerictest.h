// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a line starts like a number: what the numeric edit, at its default settings, keeps of it.

#include <QString>

namespace rova::transfer
{

// The value the numeric edit holds after being given the text (leading zeros dropped).
QString numericReading(const QString& text);
// True when that value is longer than 2 characters.
bool passesNumericTest(const QString& text);

} // namespace rova::transfer
