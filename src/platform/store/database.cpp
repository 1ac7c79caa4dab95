#include "platform/store/database.h"

#include "platform/store/schema.h"
#include "rules/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QVariant>

#include <atomic>

namespace rova::store
{

namespace
{
// Long enough for the other process's longest write (a batch of slips marked printed), short
// enough that a stuck process is reported instead of freezing the window.
constexpr int busyTimeoutMs = 5000;

QString reasonOf(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}

QString uniqueConnectionName()
{
    static std::atomic<int> serial = 0;
    return QStringLiteral("rova-store-%1").arg(++serial);
}
} // namespace

QString databaseFileName()
{
    return QStringLiteral("rova-yamato.sqlite3");
}

Database::Database(const QString& folder)
    : m_path(QDir(folder).filePath(databaseFileName())), m_connection(uniqueConnectionName())
{
    try {
        setUp();
    } catch (...) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
    m_activity = Activity::Reading;
}

Database::~Database()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

void Database::setUp()
{
    QDir().mkpath(QFileInfo(m_path).path());
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!m_db.isValid())
        fail(QStringLiteral("Qt の SQLite ドライバがありません"));
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!m_db.open())
        fail(reasonOf(m_db.lastError()));
    refuseNewer(*this);
    // A write-ahead log keeps every committed transaction through a kill at any moment and lets the
    // window read while the command line tool writes; a kill never loses what the log holds, so the
    // log is synced at checkpoints only. Where WAL is unavailable SQLite keeps its rollback journal.
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    bringUpToDate(*this);
}

QSqlQuery Database::prepare(const QString& sql) const
{
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        fail(reasonOf(query.lastError()));
    return query;
}

void Database::exec(QSqlQuery& query) const
{
    if (!query.exec())
        fail(reasonOf(query.lastError()));
}

QSqlQuery Database::exec(const QString& sql) const
{
    QSqlQuery query = prepare(sql);
    exec(query);
    return query;
}

QVariant Database::value(const QString& sql) const
{
    QSqlQuery query = exec(sql);
    return query.next() ? query.value(0) : QVariant();
}

void Database::fail(const QString& reason) const
{
    switch (m_activity) {
    case Activity::Opening:
        throw Error(QStringLiteral("データベース %1 を開けません: %2").arg(m_path, reason));
    case Activity::Reading:
        throw Error(QStringLiteral("データベース %1 を読めません: %2").arg(m_path, reason));
    case Activity::Writing:
        break;
    }
    throw Error(QStringLiteral("データベース %1 に書き込めません: %2").arg(m_path, reason));
}

WriteTransaction::WriteTransaction(Database& db) : m_db(db), m_previous(db.m_activity)
{
    if (m_previous != Database::Activity::Opening)
        m_db.m_activity = Database::Activity::Writing;
    try {
        m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } catch (...) {
        m_db.m_activity = m_previous;
        throw;
    }
}

WriteTransaction::~WriteTransaction()
{
    if (m_open) {
        // Nothing of a failed write stays; a failing rollback leaves SQLite to undo it on next open.
        QSqlQuery rollback(m_db.m_db);
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
    m_db.m_activity = m_previous;
}

void WriteTransaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_open = false;
}

} // namespace rova::store
