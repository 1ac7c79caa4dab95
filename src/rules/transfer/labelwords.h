// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removing the labels that order forms and business cards put before their values.

#include <QString>

namespace rova::transfer
{

// Removes every label word from the line, word by word in list order, dropping leading blanks and
// control characters after each word. A Latin label ("TEL") inside a longer Latin word ("HOTEL")
// stays, and so does a numbered label ("住所1") whose digit begins a postal code.
QString removeLabelWords(const QString& line);

} // namespace rova::transfer
