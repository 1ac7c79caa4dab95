// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building the look-up tables from the dictionary's text.

#include "rules/postal/indexdata.h"

namespace rova::postal
{

// The tables for the decoded text of the town list and of the office list (empty when there is none).
// The city of an entry is the longest start of its address that the town list gives a code ending
// in "00" of its own (the list's code for the rest of that city); an entry without one is a city
// of a single code, all of it.
IndexTables buildIndex(QStringView towns, QStringView offices);

} // namespace rova::postal
