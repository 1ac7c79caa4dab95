// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/privatecupsserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdlib>

namespace
{

constexpr int pollMs = 50;

QString cupsd()
{
    return QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

bool writeFile(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

PrivateCupsServer::PrivateCupsServer() : m_dir(QDir::tempPath() + QStringLiteral("/rova-cups-XXXXXX")) {}

PrivateCupsServer::~PrivateCupsServer()
{
    stop();
    cupsSetServer(nullptr);
    unsetenv("CUPS_SERVER");
    unsetenv("CUPS_SERVERROOT");
}

QString PrivateCupsServer::socketPath() const
{
    return m_dir.filePath(QStringLiteral("cups.sock"));
}

QString PrivateCupsServer::outputPath(const QString& queue) const
{
    return m_dir.filePath(QStringLiteral("out/") + queue + QStringLiteral(".pdf"));
}

bool PrivateCupsServer::writeConfiguration(QString* why)
{
    const QString root = m_dir.path();
    // Filters run as the unprivileged CUPS user and must reach the spool below this folder.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char* sub : {"spool", "cache", "state", "log", "tmp", "ppd", "out"}) {
        if (!QDir(root).mkpath(QString::fromLatin1(sub))) {
            *why = QStringLiteral("cannot create %1 in %2").arg(QLatin1String(sub), root);
            return false;
        }
    }
    const QString files =
        QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                       "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                       "PageLog %1/log/page_log\nFileDevice Yes\nSystemGroup root\nPeerCred on\n")
            .arg(root);
    const QString daemon =
        QStringLiteral("LogLevel debug\nListen %1\nBrowsing No\nWebInterface No\n"
                       "DefaultAuthType Basic\nPreserveJobHistory Yes\nPreserveJobFiles Yes\n"
                       "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                       "<Policy default>\nJobPrivateAccess all\nJobPrivateValues none\n"
                       "SubscriptionPrivateAccess all\nSubscriptionPrivateValues none\n"
                       "<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
            .arg(socketPath());
    if (!writeFile(m_dir.filePath(QStringLiteral("cups-files.conf")), files) ||
        !writeFile(m_dir.filePath(QStringLiteral("cupsd.conf")), daemon)) {
        *why = QStringLiteral("cannot write the configuration in %1").arg(root);
        return false;
    }
    return true;
}

bool PrivateCupsServer::start(QString* why)
{
    if (geteuid() != 0) {
        *why = QStringLiteral("a private CUPS scheduler needs root (file devices, filters as the lp user)");
        return false;
    }
    if (cupsd().isEmpty()) {
        *why = QStringLiteral("cupsd is not installed");
        return false;
    }
    if (!m_dir.isValid()) {
        *why = QStringLiteral("no temporary folder: %1").arg(m_dir.errorString());
        return false;
    }
    if (!writeConfiguration(why))
        return false;
    // libcups reads these once, when it is first used in this process.
    const QByteArray socket = QFile::encodeName(socketPath());
    setenv("CUPS_SERVER", socket.constData(), 1);
    setenv("CUPS_SERVERROOT", QFile::encodeName(m_dir.path()).constData(), 1);
    cupsSetServer(socket.constData());

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(m_dir.filePath(QStringLiteral("log/cupsd.out")));
    // The scheduler goes with the test process even when that one is killed.
    m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start(cupsd(),
                  {QStringLiteral("-f"), QStringLiteral("-c"), m_dir.filePath(QStringLiteral("cupsd.conf")),
                   QStringLiteral("-s"), m_dir.filePath(QStringLiteral("cups-files.conf"))});
    if (!m_cupsd.waitForStarted()) {
        *why = QStringLiteral("cupsd did not start: %1").arg(m_cupsd.errorString());
        return false;
    }
    return waitUntilRunning(why);
}

bool PrivateCupsServer::waitUntilRunning(QString* why)
{
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (m_cupsd.state() != QProcess::Running) {
            *why = QStringLiteral("cupsd ended: %1").arg(errorLogTail());
            return false;
        }
        // lpstat -r exits 0 either way; only its text tells.
        QString out;
        run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out);
        if (out.contains(QLatin1String("scheduler is running")))
            return true;
        QThread::msleep(pollMs);
    }
    *why = QStringLiteral("cupsd did not answer within 15 s: %1").arg(errorLogTail());
    stop();
    return false;
}

void PrivateCupsServer::stop()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
}

QProcessEnvironment PrivateCupsServer::toolEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    env.insert(QStringLiteral("CUPS_SERVERROOT"), m_dir.path());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return env;
}

int PrivateCupsServer::run(const QString& program, const QStringList& arguments, QString* output)
{
    QProcess tool;
    tool.setProcessEnvironment(toolEnvironment());
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000)) {
        tool.kill();
        tool.waitForFinished();
        if (output)
            *output = QStringLiteral("%1 did not finish").arg(program);
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(tool.readAll());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QString PrivateCupsServer::addQueue(const QString& queue, const QString& ppd, const QStringList& options)
{
    QStringList args{QStringLiteral("-h"),
                     socketPath(),
                     QStringLiteral("-p"),
                     queue,
                     QStringLiteral("-E"),
                     QStringLiteral("-v"),
                     QStringLiteral("file://") + outputPath(queue),
                     QStringLiteral("-P"),
                     ppd};
    for (const QString& option : options)
        args << QStringLiteral("-o") << option;
    QString out;
    return run(QStringLiteral("lpadmin"), args, &out) == 0 ? QString() : out;
}

bool PrivateCupsServer::waitForIdle(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        cups_job_t* jobs = nullptr;
        const int active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        if (active == 0 && cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
            return true;
        QThread::msleep(pollMs);
    }
    return false;
}

int PrivateCupsServer::lastJobId(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}

QMap<QString, QString> PrivateCupsServer::jobAttributes(int jobId)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = QByteArrayLiteral("ipp://localhost/jobs/") + QByteArray::number(jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/");
    QMap<QString, QString> attributes;
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (!ippGetName(a))
            continue;
        char value[2048];
        ippAttributeString(a, value, sizeof value);
        attributes.insert(QString::fromUtf8(ippGetName(a)), QString::fromUtf8(value));
    }
    ippDelete(response);
    return attributes;
}

QString PrivateCupsServer::errorLogTail() const
{
    QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(no error log)");
    const QByteArray all = log.readAll();
    return QString::fromUtf8(all.right(2000));
}
