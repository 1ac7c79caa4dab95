// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/store: the database of the batch list and the print history.
//
// One connection of its own to the program's database, the SQLite file in the data folder or a
// PostgreSQL server several stations share: opened, brought up to the current schema, and every
// failure raised as rova::Error naming the file or the server and the engine's reason.

#include "platform/store/dialect.h"
#include "platform/store/location.h"
#include "rules/errors.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace rova::store
{

// The database's file name inside the data folder.
QString databaseFileName();

// How the file is opened: ReadOnly for a data folder that cannot be written, where the file is read
// as it stands (no log files made, no schema step taken).
enum class Access { ReadWrite, ReadOnly };

class Database
{
public:
    // For the file: creates the folder (0700) and the file (0600) when missing and takes a wider
    // mode of an existing file back to the user alone. A server is only read, never changed, with
    // ReadOnly. A connection must stay in the thread that made it. Its write transactions announce
    // `changes` to the connections listening for them.
    explicit Database(const Location& where, Access access = Access::ReadWrite, Topic changes = Topic::None);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Engine engine() const { return m_engine; }
    // The file's path or the server's URI without its password, for messages.
    const QString& name() const { return m_name; }
    // The connection's driver, whose notifications dialect::listen() subscribes to.
    QSqlDriver* driver() const { return m_db.driver(); }

    // Whether the connection still reaches the database: a server's breaks for good when the server
    // restarts or goes away, and only a new one reaches it again.
    bool answers() const;

    // A statement prepared on this connection.
    QSqlQuery prepare(const QString& sql) const;
    // Runs a prepared statement; a failure is raised with the file's name and SQLite's reason.
    void exec(QSqlQuery& query) const;
    // Runs a prepared INSERT … RETURNING id and gives the new row's id.
    qint64 insert(QSqlQuery& query) const;
    // Prepares and runs a statement without parameters.
    QSqlQuery exec(const QString& sql) const;
    // The first column of the first row of a statement without parameters.
    QVariant value(const QString& sql) const;

private:
    friend class WriteTransaction;
    enum class Activity { Opening, Reading, Writing };

    [[noreturn]] void fail(const QString& reason) const;
    [[noreturn]] void fail(const QSqlError& error) const; // DamagedDatabase for a broken file

    void setUp(const Location& where, Access access);
    void openFile(Access access);
    void openServer(const QString& uri);
    void connect() const;
    void reconnect() const;

    Engine m_engine;
    Topic m_changes;
    QString m_name;
    QString m_connection;
    mutable QSqlDatabase m_db; // opened again after a server's connection was lost
    mutable bool m_lost = false;
    Activity m_activity = Activity::Opening;
};

// Connects to the server of `where` and reads its schema version as opening the store would, changing
// nothing; raises the same rova::Error. Runs on any thread, its connection its own.
void tryServer(const Location& where);

// The file is there but is no database or a broken one: only setting it aside (setAside.h) lets the
// program keep a list again.
class DamagedDatabase : public Error
{
public:
    DamagedDatabase(const QString& path, const QString& reason);
    const QString& path() const noexcept { return m_path; }

private:
    QString m_path;
};

// BEGIN … COMMIT; on SQLite the write lock is taken at the start, so a second process waits for it
// (busy timeout) instead of failing half way. Rolled back unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(Database& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit();

private:
    Database& m_db;
    Database::Activity m_previous;
    bool m_open = true;
};

} // namespace rova::store
