// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/dialect.h"

#include "platform/store/database.h"

#include <QSqlDriver>

namespace rova::store::dialect
{

namespace
{
bool onServer(const Database& db)
{
    return db.engine() == Engine::PostgreSQL;
}

// The channel of a topic's notifications on the server.
QString channel(Topic topic)
{
    switch (topic) {
    case Topic::BatchList:
        return QStringLiteral("rova_batch_rows");
    case Topic::History:
        return QStringLiteral("rova_history");
    case Topic::None:
        break;
    }
    return QString();
}

// The key as one phrase of a full-text query, which the trigram index matches as a piece of text.
QString phrase(QString key)
{
    return QLatin1Char('"') + key.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The key as a LIKE pattern matching any text that holds it.
QString holding(QString key)
{
    key.replace(QLatin1Char('!'), QStringLiteral("!!"))
        .replace(QLatin1Char('%'), QStringLiteral("!%"))
        .replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QLatin1Char('%') + key + QLatin1Char('%');
}
} // namespace

QString idColumn(Engine engine)
{
    return engine == Engine::PostgreSQL ? QStringLiteral("id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY")
                                        : QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT");
}

QString bigInteger(Engine engine)
{
    // SQLite's INTEGER holds 64 bits already; the files made so far say so.
    return engine == Engine::PostgreSQL ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
}

QString begin(Engine engine)
{
    return engine == Engine::PostgreSQL ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

// SQLite keeps the version in the file's header; a server database has a table of one row for it.
int schemaVersion(const Database& db)
{
    if (!onServer(db))
        return db.value(QStringLiteral("PRAGMA user_version")).toInt();
    // Read from the catalogue's table rather than by to_regclass, whose cache in a transaction that
    // waited for another program's schema change does not see the table it made.
    if (db.value(QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_catalog.pg_tables WHERE"
                                " schemaname = current_schema() AND tablename = 'schema_version')"))
            .toBool())
        return db.value(QStringLiteral("SELECT max(value) FROM schema_version")).toInt();
    return 0;
}

void setSchemaVersion(Database& db, int version)
{
    if (!onServer(db)) {
        db.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
        return;
    }
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (value INTEGER NOT NULL)"));
    db.exec(QStringLiteral("DELETE FROM schema_version"));
    db.exec(QStringLiteral("INSERT INTO schema_version VALUES (%1)").arg(version));
}

void lockSchema(Database& db)
{
    // BEGIN IMMEDIATE took SQLite's write lock; a server locks the database's schema by a number
    // of ours, held to the end of the transaction.
    if (onServer(db))
        db.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7927101)"));
}

void addSearchIndex(Database& db)
{
    if (onServer(db)) {
        // A trusted extension since PostgreSQL 13: the database's owner may add it.
        db.exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm"));
        db.exec(QStringLiteral("CREATE INDEX history_search ON history USING gin (search gin_trgm_ops)"));
        return;
    }
    db.exec(QStringLiteral("CREATE VIRTUAL TABLE history_search USING fts5(search, printed_at UNINDEXED,"
                           " content='history', content_rowid='id', tokenize='trigram')"));
    db.exec(QStringLiteral("INSERT INTO history_search (history_search) VALUES ('rebuild')"));
    db.exec(QStringLiteral("CREATE TRIGGER history_search_add AFTER INSERT ON history BEGIN"
                           " INSERT INTO history_search (rowid, search, printed_at)"
                           " VALUES (new.id, new.search, new.printed_at); END"));
    db.exec(QStringLiteral("CREATE TRIGGER history_search_remove AFTER DELETE ON history BEGIN"
                           " INSERT INTO history_search (history_search, rowid, search, printed_at)"
                           " VALUES ('delete', old.id, old.search, old.printed_at); END"));
}

void rebuildSearchIndex(Database& db)
{
    // A server's index follows every update by itself.
    if (!onServer(db))
        db.exec(QStringLiteral("INSERT INTO history_search (history_search) VALUES ('rebuild')"));
}

void stampBatchChanges(Database& db)
{
    if (onServer(db)) {
        db.exec(QStringLiteral("CREATE FUNCTION batch_rows_stamp() RETURNS trigger LANGUAGE plpgsql AS $$"
                               " BEGIN IF TG_OP = 'INSERT' OR NEW.changed = OLD.changed THEN"
                               " NEW.changed := (SELECT value FROM batch_revision); END IF;"
                               " RETURN NEW; END $$"));
        db.exec(QStringLiteral("CREATE TRIGGER batch_rows_stamp BEFORE INSERT OR UPDATE ON batch_rows"
                               " FOR EACH ROW EXECUTE FUNCTION batch_rows_stamp()"));
        return;
    }
    db.exec(QStringLiteral("CREATE TRIGGER batch_rows_added AFTER INSERT ON batch_rows BEGIN"
                           " UPDATE batch_rows SET changed = (SELECT value FROM batch_revision)"
                           " WHERE id = new.id; END"));
    db.exec(QStringLiteral("CREATE TRIGGER batch_rows_updated AFTER UPDATE ON batch_rows"
                           " WHEN new.changed = old.changed BEGIN"
                           " UPDATE batch_rows SET changed = (SELECT value FROM batch_revision)"
                           " WHERE id = new.id; END"));
}

void announce(Database& db, Topic topic)
{
    // Notifications are sent at the commit, one per channel however many times it was named.
    if (onServer(db) && topic != Topic::None)
        db.exec(QStringLiteral("NOTIFY %1").arg(channel(topic)));
}

bool listen(Database& db, Topic topic)
{
    return onServer(db) && topic != Topic::None && db.driver()->subscribeToNotification(channel(topic));
}

qint64 othersCommits(const Database& db)
{
    return db.value(QStringLiteral("PRAGMA data_version")).toLongLong();
}

QString searchedIds(Engine engine, bool indexed, const QString& within)
{
    if (engine == Engine::PostgreSQL)
        return QStringLiteral("SELECT id FROM history WHERE search LIKE ? ESCAPE '!'%1"
                              " ORDER BY id DESC LIMIT ?")
            .arg(within);
    // The trigram index answers three letters or more. A shorter text is sought newest first in the
    // index of times and search texts, which a frequent text leaves early and a date range narrows.
    if (indexed)
        return QStringLiteral("SELECT rowid FROM history_search WHERE history_search MATCH ?%1"
                              " ORDER BY rowid DESC LIMIT ?")
            .arg(within);
    return QStringLiteral("SELECT id FROM history INDEXED BY history_recent"
                          " WHERE instr(search, ?) > 0%1 ORDER BY printed_at DESC LIMIT ?")
        .arg(within);
}

QVariant searchedText(Engine engine, bool indexed, const QString& key)
{
    if (engine == Engine::PostgreSQL)
        return holding(key);
    return indexed ? phrase(key) : key;
}

QString lockedForUpdate(Engine engine)
{
    // SQLite's write transaction already keeps every row to this connection.
    return engine == Engine::PostgreSQL ? QStringLiteral(" FOR UPDATE SKIP LOCKED") : QString();
}

QString clock(Engine engine)
{
    return engine == Engine::PostgreSQL
               ? QStringLiteral("CAST(EXTRACT(EPOCH FROM clock_timestamp()) * 1000 AS BIGINT)")
               : QStringLiteral("CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)");
}

QString textRange(Engine engine, const QString& column)
{
    // A server compares by the database's collation unless told otherwise.
    const QString compared =
        engine == Engine::PostgreSQL ? column + QStringLiteral(" COLLATE \"C\"") : column;
    return QStringLiteral("(%1 >= ? AND %1 < ?)").arg(compared);
}

QString historyNotIndexed(Engine engine)
{
    return engine == Engine::PostgreSQL ? QStringLiteral("history") : QStringLiteral("history NOT INDEXED");
}

} // namespace rova::store::dialect
