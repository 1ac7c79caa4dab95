// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/schema.h"

#include "platform/store/database.h"
#include "platform/store/searchkey.h"
#include "platform/store/slipcolumns.h"
#include "rules/errors.h"

#include <QVariant>

namespace rova::store
{

namespace
{
// Version 1: the batch list, its change counter and the print history with its search text.
void createTables(Database& db)
{
    const QString id = dialect::idColumn(db.engine());
    const QString time = dialect::bigInteger(db.engine()); // milliseconds since the epoch
    db.exec(QStringLiteral("CREATE TABLE batch_rows (%1,"
                           " ticked INTEGER NOT NULL, status TEXT NOT NULL, status_time %2,"
                           " refusal TEXT, marks TEXT, order_number TEXT, source_file TEXT,"
                           " duplicate_key TEXT, %3)")
                .arg(id, time, slipColumnsAddedIn(1).join(QStringLiteral(", "))));
    db.exec(QStringLiteral("CREATE TABLE batch_revision (value INTEGER NOT NULL)"));
    db.exec(QStringLiteral("INSERT INTO batch_revision VALUES (0)"));
    db.exec(QStringLiteral("CREATE TABLE history (%1,"
                           " printed_at %2 NOT NULL, printer TEXT, top_margin TEXT, left_margin TEXT,"
                           " search TEXT NOT NULL, %3)")
                .arg(id, time, slipColumnsAddedIn(1).join(QStringLiteral(", "))));
    // The search text beside the time: a search, newest first, reads this index alone.
    db.exec(QStringLiteral("CREATE INDEX history_recent ON history (printed_at, search)"));
}

// Keys of the destination's name and telephone, for completion by their beginning.
void addCompletionKeys(Database& db)
{
    db.exec(QStringLiteral("ALTER TABLE history ADD COLUMN name_key TEXT NOT NULL DEFAULT ''"));
    db.exec(QStringLiteral("ALTER TABLE history ADD COLUMN tel_key TEXT NOT NULL DEFAULT ''"));
    QSqlQuery rows = db.exec(QStringLiteral("SELECT id, name, tel FROM history"));
    QSqlQuery update =
        db.prepare(QStringLiteral("UPDATE history SET name_key = ?, tel_key = ? WHERE id = ?"));
    while (rows.next()) {
        update.bindValue(0, searchKey(rows.value(1).toString()));
        update.bindValue(1, searchKey(rows.value(2).toString()));
        update.bindValue(2, rows.value(0));
        db.exec(update);
    }
    db.exec(QStringLiteral("CREATE INDEX history_by_name ON history (name_key)"));
    db.exec(QStringLiteral("CREATE INDEX history_by_tel ON history (tel_key)"));
}

// Version 2: what the history window needs to answer as the operator types.
void indexForTyping(Database& db)
{
    addCompletionKeys(db);
    // A trigram index, so a text of three letters or more is found without reading every record.
    dialect::addSearchIndex(db);
}

// Version 3: which marketplace a row's order number belongs to (empty where unknown: rows from before,
// our own export, a mapping the operator chose), since two marketplaces may use the same number.
void addOrderSource(Database& db)
{
    db.exec(QStringLiteral("ALTER TABLE batch_rows ADD COLUMN order_source TEXT"));
}

// Version 4: each batch row carries the revision that last changed it, so that a window reads only
// the rows changed since it last looked. The triggers stamp every insert and update, whoever writes.
void stampBatchChanges(Database& db)
{
    db.exec(QStringLiteral("ALTER TABLE batch_rows ADD COLUMN changed INTEGER NOT NULL DEFAULT 0"));
    db.exec(QStringLiteral("CREATE INDEX batch_rows_changed ON batch_rows (changed)"));
    dialect::stampBatchChanges(db);
}

// Version 5: the tracking number of the form each slip went onto (12 digits), a number replaced by
// another one marked spoiled, and per slip type the number of the next blank form in its printer.
// The stacks live here rather than in a settings file: a write transaction takes numbers for two
// programs printing at once one after the other, and the history that keeps them is in the same file.
void addTrackingNumbers(Database& db)
{
    db.exec(QStringLiteral("ALTER TABLE history ADD COLUMN tracking_number TEXT"));
    db.exec(QStringLiteral("ALTER TABLE history ADD COLUMN spoiled INTEGER NOT NULL DEFAULT 0"));
    db.exec(QStringLiteral("CREATE INDEX history_by_tracking_number ON history (tracking_number)"));
    db.exec(QStringLiteral("ALTER TABLE batch_rows ADD COLUMN tracking_number TEXT"));
    db.exec(QStringLiteral(
        "CREATE TABLE tracking_stacks (slip_type TEXT PRIMARY KEY, next_number TEXT NOT NULL)"));
}

// Version 6: the search texts made again, now with the item names and hiragana read as katakana.
void searchItemsAndKana(Database& db)
{
    QSqlQuery rows = db.exec(QStringLiteral("SELECT id, %1 FROM history").arg(slipColumnNames(6)));
    QSqlQuery update =
        db.prepare(QStringLiteral("UPDATE history SET search = ?, name_key = ?, tel_key = ? WHERE id = ?"));
    while (rows.next()) {
        const slip::SlipValues slip = readSlip(rows, 1, 6);
        update.bindValue(0, slipSearchText(slip));
        update.bindValue(1, searchKey(slip.name));
        update.bindValue(2, searchKey(slip.tel));
        update.bindValue(3, rows.value(0));
        db.exec(update);
    }
    dialect::rebuildSearchIndex(db);
}

// Version 7: what shipping notices need. Each slip keeps the marketplace order it came from (the
// slip columns of this version), and the history when the slip went into a notice; the slips still
// to be told are found by an index of their own, which holds nothing of the slips told before.
void addShippingNotices(Database& db)
{
    for (const QString& table : {QStringLiteral("batch_rows"), QStringLiteral("history")}) {
        for (const QString& column : slipColumnsAddedIn(7))
            db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table, column));
    }
    db.exec(QStringLiteral("ALTER TABLE history ADD COLUMN notified_at %1")
                .arg(dialect::bigInteger(db.engine())));
    db.exec(QStringLiteral("CREATE INDEX history_to_notify ON history (id)"
                           " WHERE marketplace_order IS NOT NULL AND notified_at IS NULL"));
}

// Version 8: several stations on one store. Each record names the station that printed it, and a
// batch row being printed carries the claim of the station printing it and since when, so that no
// other station prints it too.
void addStations(Database& db)
{
    db.exec(QStringLiteral("ALTER TABLE history ADD COLUMN station TEXT"));
    db.exec(QStringLiteral("ALTER TABLE batch_rows ADD COLUMN claimed_by TEXT"));
    db.exec(QStringLiteral("ALTER TABLE batch_rows ADD COLUMN claimed_at %1")
                .arg(dialect::bigInteger(db.engine())));
}

// Version 9: a reprint names the record it printed again. Nothing ties the two: the record reprinted
// may be deleted, and the reprint still names it by its id.
void addReprints(Database& db)
{
    db.exec(
        QStringLiteral("ALTER TABLE history ADD COLUMN reprint_of %1").arg(dialect::bigInteger(db.engine())));
}

using Step = void (*)(Database&);
constexpr Step steps[schemaVersion] = {createTables,       indexForTyping,     addOrderSource,
                                       stampBatchChanges,  addTrackingNumbers, searchItemsAndKana,
                                       addShippingNotices, addStations,        addReprints};
} // namespace

void refuseNewer(const Database& db)
{
    if (const int version = dialect::schemaVersion(db); version > schemaVersion)
        throw Error(QStringLiteral("データベース %1 はこのプログラムより新しい版で作られています"
                                   " (形式 %2、このプログラムは形式 %3 まで)")
                        .arg(db.name())
                        .arg(version)
                        .arg(schemaVersion));
}

void bringUpToDate(Database& db)
{
    if (dialect::schemaVersion(db) == schemaVersion)
        return;
    WriteTransaction transaction(db);
    dialect::lockSchema(db);
    // Read again under the lock: another process may have just done the same.
    refuseNewer(db);
    int version = dialect::schemaVersion(db);
    for (; version < schemaVersion; ++version)
        steps[version](db);
    dialect::setSchemaVersion(db, schemaVersion);
    transaction.commit();
}

} // namespace rova::store
