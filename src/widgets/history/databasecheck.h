// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The database of the data folder looked at once at start: a damaged file is said before the
// operator needs the history or the batch list, with the offer to set it aside and start anew.

#include <QString>

namespace rova
{

void checkDatabaseAtStart(const QString& folder);

} // namespace rova
