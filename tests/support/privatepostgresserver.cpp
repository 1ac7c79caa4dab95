// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/privatepostgresserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace
{

constexpr int pollMs = 50;
const QString binaries = QStringLiteral("/usr/lib/postgresql/15/bin");
const QString superuser = QStringLiteral("rova");

bool asRoot()
{
    return geteuid() == 0;
}

// The unprivileged user the server runs as under root.
const passwd* nobody()
{
    return getpwnam("nobody");
}

} // namespace

PrivatePostgresServer::PrivatePostgresServer() : m_dir(QDir::tempPath() + QStringLiteral("/rova-pg-XXXXXX"))
{
}

PrivatePostgresServer::~PrivatePostgresServer()
{
    stop();
}

QString PrivatePostgresServer::command(const QString& program, QStringList* arguments) const
{
    const QString path = QDir(binaries).filePath(program);
    if (!asRoot())
        return path;
    arguments->prepend(path);
    arguments->prepend(QStringLiteral("--"));
    arguments->prepend(QStringLiteral("--clear-groups"));
    arguments->prepend(QStringLiteral("--regid=%1").arg(nobody()->pw_gid));
    arguments->prepend(QStringLiteral("--reuid=%1").arg(nobody()->pw_uid));
    return QStringLiteral("setpriv");
}

bool PrivatePostgresServer::run(const QString& program, const QStringList& arguments, QString* output)
{
    QStringList args = arguments;
    QProcess tool;
    tool.setWorkingDirectory(m_dir.path());
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(command(program, &args), args);
    const bool finished = tool.waitForFinished(60000);
    if (!finished) {
        tool.kill();
        tool.waitForFinished();
    }
    *output = QString::fromLocal8Bit(tool.readAll());
    return finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

bool PrivatePostgresServer::start(QString* why)
{
    if (!QFileInfo::exists(QDir(binaries).filePath(QStringLiteral("postgres")))) {
        *why = QStringLiteral("PostgreSQL 15 is not installed (%1)").arg(binaries);
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *why = QStringLiteral("Qt's PostgreSQL driver is not installed (libqt6sql6-psql)");
        return false;
    }
    if (!m_dir.isValid()) {
        *why = QStringLiteral("no temporary folder: %1").arg(m_dir.errorString());
        return false;
    }
    if (asRoot()) {
        // The server's user must own its cluster and reach the folder of its socket.
        if (!nobody() ||
            ::chown(QFile::encodeName(m_dir.path()).constData(), nobody()->pw_uid, nobody()->pw_gid) != 0) {
            *why = QStringLiteral("cannot give %1 to the user nobody").arg(m_dir.path());
            return false;
        }
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                QFile::ExeOther);
        // A temporary folder inside a private one (TMPDIR under /root): the folders above it are
        // opened to be passed through, never to be listed.
        for (QDir up = QFileInfo(m_dir.path()).dir(); !up.isRoot(); up = QFileInfo(up.path()).dir()) {
            const QFile::Permissions now = QFile::permissions(up.path());
            if (!(now & QFile::ExeOther))
                QFile::setPermissions(up.path(), now | QFile::ExeOther);
        }
    }
    QString out;
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("--pgdata=") + m_dir.filePath(QStringLiteral("data")),
              QStringLiteral("--username=") + superuser, QStringLiteral("--auth=trust"),
              QStringLiteral("--encoding=UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync")},
             &out)) {
        *why = QStringLiteral("initdb failed: %1").arg(out.right(2000));
        return false;
    }
    return resume(why);
}

bool PrivatePostgresServer::resume(QString* why)
{
    QStringList args{QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-k"),
                     m_dir.path(), QStringLiteral("-c"), QStringLiteral("listen_addresses="),
                     // A scratch cluster: nothing of it needs to survive a crash.
                     QStringLiteral("-c"), QStringLiteral("fsync=off"), QStringLiteral("-c"),
                     QStringLiteral("full_page_writes=off")};
    m_server.setWorkingDirectory(m_dir.path());
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.setStandardOutputFile(m_dir.filePath(QStringLiteral("server.log")));
    // The server goes with the test process even when that one is killed.
    m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_server.start(command(QStringLiteral("postgres"), &args), args);
    if (!m_server.waitForStarted()) {
        *why = QStringLiteral("postgres did not start: %1").arg(m_server.errorString());
        return false;
    }
    return waitUntilRunning(why);
}

bool PrivatePostgresServer::waitUntilRunning(QString* why)
{
    const QDeadlineTimer deadline(30000);
    QString out;
    while (!deadline.hasExpired()) {
        if (m_server.state() != QProcess::Running) {
            *why = QStringLiteral("postgres ended: %1").arg(logTail());
            return false;
        }
        if (run(QStringLiteral("pg_isready"), {QStringLiteral("-h"), m_dir.path(), QStringLiteral("-q")},
                &out))
            return true;
        QThread::msleep(pollMs);
    }
    *why = QStringLiteral("postgres did not answer within 30 s: %1").arg(logTail());
    stop();
    return false;
}

void PrivatePostgresServer::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    // Setpriv became the server itself, so its process id is the server's: a fast shutdown
    // (SIGINT) ends the connections still open.
    ::kill(pid_t(m_server.processId()), SIGINT);
    if (!m_server.waitForFinished(15000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

QString PrivatePostgresServer::uri(const QString& database) const
{
    return QStringLiteral("postgresql:///%1?host=%2&user=%3")
        .arg(database, QString::fromUtf8(QUrl::toPercentEncoding(m_dir.path())), superuser);
}

void PrivatePostgresServer::withConnection(const QString& database,
                                           const std::function<void(QSqlDatabase&)>& work)
{
    const QString connection = QStringLiteral("private-postgres-plain");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setDatabaseName(database);
        db.setUserName(superuser);
        db.setHostName(m_dir.path());
        db.open();
        work(db);
    }
    QSqlDatabase::removeDatabase(connection);
}

QString PrivatePostgresServer::newDatabase(QString* why)
{
    const QString name = QStringLiteral("test%1").arg(++m_databases);
    bool made = false;
    withConnection(QStringLiteral("postgres"), [&](QSqlDatabase& db) {
        QSqlQuery create(db);
        made = db.isOpen() && create.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        if (!made)
            *why = db.isOpen() ? create.lastError().text() : db.lastError().text();
    });
    return made ? uri(name) : QString();
}

QVariant PrivatePostgresServer::value(const QString& uri, const QString& sql)
{
    QVariant result;
    withConnection(QUrl(uri).path().mid(1), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (db.isOpen() && query.exec(sql) && query.next())
            result = query.value(0);
    });
    return result;
}

QString PrivatePostgresServer::logTail() const
{
    QFile log(m_dir.filePath(QStringLiteral("server.log")));
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(no server log)");
    return QString::fromUtf8(log.readAll().right(2000));
}
