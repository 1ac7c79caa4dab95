#pragma once
// platform/store: the SQLite database of the batch list and the print history.
//
// One connection of its own to the program's database in the data folder: opened, brought up to
// the current schema, and every failure raised as rova::Error naming the file and SQLite's reason.

#include "rules/errors.h"

#include <QSqlDatabase>
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
    // Creates the folder (0700) and the file (0600) when missing and takes a wider mode of an
    // existing file back to the user alone. A connection must stay in the thread that made it.
    explicit Database(const QString& folder, Access access = Access::ReadWrite);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }

    // A statement prepared on this connection.
    QSqlQuery prepare(const QString& sql) const;
    // Runs a prepared statement; a failure is raised with the file's name and SQLite's reason.
    void exec(QSqlQuery& query) const;
    // Prepares and runs a statement without parameters.
    QSqlQuery exec(const QString& sql) const;
    // The first column of the first row of a statement without parameters.
    QVariant value(const QString& sql) const;

private:
    friend class WriteTransaction;
    enum class Activity { Opening, Reading, Writing };

    [[noreturn]] void fail(const QString& reason) const;
    [[noreturn]] void fail(const QSqlError& error) const; // DamagedDatabase for a broken file

    void setUp(Access access);

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    Activity m_activity = Activity::Opening;
};

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

// BEGIN IMMEDIATE … COMMIT: the write lock is taken at the start, so a second process waits for it
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
