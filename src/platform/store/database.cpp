#include "platform/store/database.h"

#include "platform/store/schema.h"
#include "platform/system/datafolder.h"
#include "rules/errors.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rova::store
{

namespace
{
// Another program held the new file's lock while this one opened it; see the constructor.
class BusyOpening : public Error
{
public:
    using Error::Error;
};

// Long enough for the other process's longest write (a batch of slips marked printed), short
// enough that a stuck process is reported instead of freezing the window.
constexpr int busyTimeoutMs = 5000;

QString reasonOf(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}

// SQLITE_CORRUPT and SQLITE_NOTADB: the file's content is broken, not the way to it.
bool isDamage(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == u"11" || code == u"26";
}

// The file holds customers' names, addresses and telephone numbers: it is the user's alone, however
// it came to be (a file from an older version, a copy). SQLite gives its log files the same mode.
// A mode that cannot be changed (not the owner, a read-only disk) leaves the file as it is.
void makePrivateFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::stat(name.constData(), &info) != 0) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
        return; // a folder that cannot be written is reported when the database is opened
    }
    if (S_ISREG(info.st_mode) && (info.st_mode & 077) != 0)
        ::chmod(name.constData(), info.st_mode & 0700);
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

Database::Database(const QString& folder, Access access)
    : m_path(QDir(folder).filePath(databaseFileName())), m_connection(uniqueConnectionName())
{
    // Two programs making a new file at once can meet in the switch to the write-ahead log, where
    // SQLite answers "locked" at once instead of waiting; opening again is harmless, so it is tried
    // again for as long as a busy write would be waited for.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        try {
            setUp(access);
            break;
        } catch (const BusyOpening&) {
            m_db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            if (waited.elapsed() > busyTimeoutMs)
                throw;
            QThread::msleep(20);
        } catch (...) {
            m_db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            throw;
        }
    }
    m_activity = Activity::Reading;
}

Database::~Database()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

void Database::setUp(Access access)
{
    if (access == Access::ReadWrite) {
        datafolder::makePrivatePath(QFileInfo(m_path).path());
        makePrivateFile(m_path);
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!m_db.isValid())
        fail(QStringLiteral("Qt の SQLite ドライバがありません"));
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (access == Access::ReadOnly) {
        // Immutable: SQLite reads the file without the shared-memory file it cannot make here.
        m_db.setDatabaseName(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) +
                             QStringLiteral("?immutable=1"));
        m_db.setConnectOptions(busy + QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        m_db.setDatabaseName(m_path);
        m_db.setConnectOptions(busy);
    }
    if (!m_db.open())
        fail(m_db.lastError());
    refuseNewer(*this);
    if (access == Access::ReadOnly)
        return;
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
        fail(query.lastError());
    return query;
}

void Database::exec(QSqlQuery& query) const
{
    if (!query.exec())
        fail(query.lastError());
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

void Database::fail(const QSqlError& error) const
{
    if (isDamage(error))
        throw DamagedDatabase(m_path, reasonOf(error));
    if (m_activity == Activity::Opening && error.nativeErrorCode() == u"5") // SQLITE_BUSY
        throw BusyOpening(QStringLiteral("データベース %1 を開けません: %2").arg(m_path, reasonOf(error)));
    fail(reasonOf(error));
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

DamagedDatabase::DamagedDatabase(const QString& path, const QString& reason)
    : Error(QStringLiteral("データベース %1 が壊れています: %2").arg(path, reason)), m_path(path)
{
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
