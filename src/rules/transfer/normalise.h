// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first rewrite of the working lines: labels out, blanks trimmed, number lines half-width.

#include <QString>

namespace rova::transfer
{

// Label words removed, blanks of either width trimmed, and the whole line mapped to half-width
// when it starts like a number (so «１２３－４５６７　東京都…» becomes «123-4567 東京都…»).
QString normaliseLine(const QString& line);

} // namespace rova::transfer
