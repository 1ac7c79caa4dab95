// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The database's tables by schema version (kept as dialect.h says), and the steps from each older
// version to the current one, the same on both engines.

namespace rova::store
{

class Database;

constexpr int schemaVersion = 9;

// Refuses a file of a newer version than this program knows, before anything of it is changed.
void refuseNewer(const Database& db);
// Runs the steps from the file's version to the current one in one write transaction.
void bringUpToDate(Database& db);

} // namespace rova::store
