// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QUrlQuery>
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
    QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    // A server's report ("ERROR:  …" and lines of detail): its first line, without the severity.
    text = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    for (const QLatin1String severity : {QLatin1String("ERROR:"), QLatin1String("FATAL:")}) {
        if (text.startsWith(severity))
            text = text.mid(severity.size()).trimmed();
    }
    return text;
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

// A libpq URI as the fields of Qt's driver; its query's parameters (host=/a/socket/folder,
// sslmode=…) become connection options, which libpq takes over the fields.
void configure(QSqlDatabase& db, const QString& uri)
{
    const QUrl url(uri);
    db.setHostName(url.host());
    db.setPort(url.port());
    db.setUserName(url.userName());
    db.setPassword(url.password());
    db.setDatabaseName(url.path().mid(1));
    QStringList options;
    const QList<std::pair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& [key, value] : items) {
        QString quoted = value;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('\''), QStringLiteral("\\'"));
        options << QStringLiteral("%1='%2'").arg(key, quoted);
    }
    // A server that does not answer is reported instead of freezing the window: when connecting, and
    // when a statement's bytes are not taken (the network gone under an open connection, where the
    // system would otherwise wait for many minutes).
    if (!QUrlQuery(url).hasQueryItem(QStringLiteral("connect_timeout")))
        options << QStringLiteral("connect_timeout=10");
    if (!QUrlQuery(url).hasQueryItem(QStringLiteral("tcp_user_timeout")))
        options << QStringLiteral("tcp_user_timeout=10000");
    db.setConnectOptions(options.join(QLatin1Char(';')));
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

Database::Database(const Location& where, Access access, Topic changes)
    : m_engine(where.onServer() ? Engine::PostgreSQL : Engine::SQLite), m_changes(changes),
      m_name(where.onServer() ? shownServer(where.server) : QDir(where.folder).filePath(databaseFileName())),
      m_connection(uniqueConnectionName())
{
    // Two programs making a new file at once can meet in the switch to the write-ahead log, where
    // SQLite answers "locked" at once instead of waiting; opening again is harmless, so it is tried
    // again for as long as a busy write would be waited for.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        try {
            setUp(where, access);
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

void Database::setUp(const Location& where, Access access)
{
    if (where.onServer())
        openServer(where.server);
    else
        openFile(access);
    refuseNewer(*this);
    if (access == Access::ReadOnly)
        return;
    if (m_engine == Engine::SQLite) {
        // A write-ahead log keeps every committed transaction through a kill at any moment and lets
        // the window read while the command line tool writes; a kill never loses what the log holds,
        // so the log is synced at checkpoints only. Where WAL is unavailable SQLite keeps its
        // rollback journal.
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    bringUpToDate(*this);
}

void Database::openServer(const QString& uri)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    if (!m_db.isValid())
        fail(QStringLiteral(
            "Qt の PostgreSQL ドライバがありません (パッケージ libqt6sql6-psql を入れてください)"));
    configure(m_db, uri);
    connect();
}

void Database::connect() const
{
    if (!m_db.open())
        throw Error(QStringLiteral("データベースサーバー %1 に接続できません: %2\n"
                                   "サーバーが動いていること、アドレス・データベース名・利用者名と"
                                   " ~/.pgpass のパスワードを確かめてから、もう一度お試しください")
                        .arg(m_name, reasonOf(m_db.lastError())));
    // The server's notices and warnings ("already exists, skipping", "no transaction in progress")
    // are no news to the operator; its errors are raised.
    exec(QStringLiteral("SET client_min_messages = error"));
}

void Database::reconnect() const
{
    // A failure found the connection gone; the statements of that call are freed by now.
    if (!m_lost)
        return;
    m_db.close();
    m_lost = false;
    try {
        connect();
    } catch (...) {
        m_lost = true; // tried again by the next statement
        throw;
    }
}

void Database::openFile(Access access)
{
    if (access == Access::ReadWrite) {
        datafolder::makePrivatePath(QFileInfo(m_name).path());
        makePrivateFile(m_name);
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!m_db.isValid())
        fail(QStringLiteral("Qt の SQLite ドライバがありません"));
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (access == Access::ReadOnly) {
        // Immutable: SQLite reads the file without the shared-memory file it cannot make here.
        m_db.setDatabaseName(QUrl::fromLocalFile(m_name).toString(QUrl::FullyEncoded) +
                             QStringLiteral("?immutable=1"));
        m_db.setConnectOptions(busy + QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        m_db.setDatabaseName(m_name);
        m_db.setConnectOptions(busy);
    }
    if (!m_db.open())
        fail(m_db.lastError());
}

bool Database::answers() const
{
    return QSqlQuery(m_db).exec(QStringLiteral("SELECT 1"));
}

QSqlQuery Database::prepare(const QString& sql) const
{
    reconnect();
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

qint64 Database::insert(QSqlQuery& query) const
{
    exec(query);
    const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
    // SQLite ends the statement only when told: a transaction cannot commit while it is open.
    query.finish();
    return id;
}

QSqlQuery Database::exec(const QString& sql) const
{
    // Run at once rather than prepared: a server prepares no schema statements.
    reconnect();
    QSqlQuery query(m_db);
    if (!query.exec(sql))
        fail(query.lastError());
    return query;
}

QVariant Database::value(const QString& sql) const
{
    QSqlQuery query = exec(sql);
    return query.next() ? query.value(0) : QVariant();
}

void Database::fail(const QSqlError& error) const
{
    // A failed statement dooms the server's transaction: ended at once, the statements prepared in
    // it can be freed as they go.
    // When even that fails the connection is gone (the server stopped or restarted): the next
    // statement connects again instead of failing for good.
    if (m_engine == Engine::PostgreSQL &&
        (!m_db.isOpen() || !QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"))))
        m_lost = true;
    if (m_engine == Engine::SQLite && isDamage(error))
        throw DamagedDatabase(m_name, reasonOf(error));
    if (m_engine == Engine::SQLite && m_activity == Activity::Opening &&
        error.nativeErrorCode() == u"5") // SQLITE_BUSY
        throw BusyOpening(QStringLiteral("データベース %1 を開けません: %2").arg(m_name, reasonOf(error)));
    fail(reasonOf(error));
}

void Database::fail(const QString& reason) const
{
    switch (m_activity) {
    case Activity::Opening:
        throw Error(QStringLiteral("データベース %1 を開けません: %2").arg(m_name, reason));
    case Activity::Reading:
        throw Error(QStringLiteral("データベース %1 を読めません: %2").arg(m_name, reason));
    case Activity::Writing:
        break;
    }
    throw Error(QStringLiteral("データベース %1 に書き込めません: %2").arg(m_name, reason));
}

void tryServer(const Location& where)
{
    const Database tried(where, Access::ReadOnly);
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
        m_db.exec(dialect::begin(m_db.engine()));
    } catch (...) {
        m_db.m_activity = m_previous;
        throw;
    }
}

WriteTransaction::~WriteTransaction()
{
    if (m_open && m_db.m_db.isOpen()) {
        // Nothing of a failed write stays; a failing rollback leaves SQLite to undo it on next open
        // and a server to undo it when the connection closes.
        QSqlQuery rollback(m_db.m_db);
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
    m_db.m_activity = m_previous;
}

void WriteTransaction::commit()
{
    dialect::announce(m_db, m_db.m_changes);
    m_db.exec(QStringLiteral("COMMIT"));
    m_open = false;
}

} // namespace rova::store
