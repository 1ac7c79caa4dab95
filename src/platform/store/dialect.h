// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where SQLite and PostgreSQL differ, each difference in one place: ids, the schema version, the
// write lock, the text search and its index, the stamps of changed rows, the index hints and how
// other connections hear of a change. Every other statement is written once for both.

#include <QString>
#include <QVariant>

namespace rova::store
{

class Database;

enum class Engine { SQLite, PostgreSQL };

// What a connection's write transactions change, for the windows showing it.
enum class Topic { None, BatchList, History };

namespace dialect
{

// The id column: numbers never used again, so a window holding a deleted row's id cannot write
// into a row added later.
QString idColumn(Engine engine);
// The type of a whole number past 32 bits (times in milliseconds).
QString bigInteger(Engine engine);
// Starts a write transaction; on SQLite with the write lock taken at once.
QString begin(Engine engine);

// The version of the tables; 0 for an empty database.
int schemaVersion(const Database& db);
void setSchemaVersion(Database& db, int version);
// Inside the write transaction of a schema change: a second program changing the schema waits.
void lockSchema(Database& db);

// An index of the history's search texts that finds a piece of three letters or more.
void addSearchIndex(Database& db);
// Makes the index again after every search text changed.
void rebuildSearchIndex(Database& db);
// Every insert and update of a batch row stamps the row with the current revision, whoever writes.
void stampBatchChanges(Database& db);

// Inside a write transaction, before its commit: a server tells the connections listening for the
// topic once the transaction commits, and nobody when it rolls back. A file tells nobody.
void announce(Database& db, Topic topic);
// Asks to hear of the topic's commits through the connection's driver (QSqlDriver::notification);
// false where the engine tells nobody, and the owner reads a counter of its own instead.
bool listen(Database& db, Topic topic);
// On the file, where nobody is told: a number that moves whenever another connection commits a
// change, whatever its topic; the owner of a connection that never writes reads it on a timer.
qint64 othersCommits(const Database& db);

// The ids of history records whose search text holds the bound text, newest first: `within` goes
// after the condition, then the limit is bound. `indexed`: a text of three letters or more.
QString searchedIds(Engine engine, bool indexed, const QString& within);
// The value bound for the text of searchedIds().
QVariant searchedText(Engine engine, bool indexed, const QString& key);
// After a SELECT of rows about to be changed: on a server they are locked, and rows another
// transaction holds are skipped rather than waited for.
QString lockedForUpdate(Engine engine);
// The store's clock in milliseconds since 1970: on a server the server's, so stations whose clocks
// differ agree on how old a claim is.
QString clock(Engine engine);
// `column` between two bound texts, compared as SQLite compares them (by code point).
QString textRange(Engine engine, const QString& column);
// The history table read without its indexes, where reading it in id order is faster.
QString historyNotIndexed(Engine engine);

} // namespace dialect
} // namespace rova::store
