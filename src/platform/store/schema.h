#pragma once
// The database's tables by schema version (PRAGMA user_version), and the steps from each older
// version to the current one.

namespace rova::store
{

class Database;

constexpr int schemaVersion = 7;

// Refuses a file of a newer version than this program knows, before anything of it is changed.
void refuseNewer(const Database& db);
// Runs the steps from the file's version to the current one in one write transaction.
void bringUpToDate(Database& db);

} // namespace rova::store
