// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CUPS scheduler of the test's own: configuration, spool, logs and state in a temporary folder,
// reachable only through a Unix socket in that folder. The machine's own CUPS is never touched.
// Queues write their output to files in the folder. The server is stopped and the folder removed
// when the object goes, also when a test fails.

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PrivateCupsServer
{
public:
    PrivateCupsServer();
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Starts the scheduler and points libcups of this process (and the tools run through run())
    // at it. On failure returns false with the reason, for PRIVATE_CUPS_UNAVAILABLE (privatecupstest.h).
    bool start(QString* why);
    // Stops the scheduler; libcups stays pointed at its socket until the object goes, so this
    // process finds no scheduler rather than the machine's own.
    void stop();

    QString socketPath() const;
    // Where the queue's file device writes.
    QString outputPath(const QString& queue) const;

    // lpadmin -p queue -E -v file://<output> -P ppd [-o option ...]; raises nothing, returns the error text.
    QString addQueue(const QString& queue, const QString& ppd, const QStringList& options = {});
    // Runs a CUPS tool against this server; returns its exit code and leaves its output in *output.
    int run(const QString& program, const QStringList& arguments, QString* output = nullptr);

    // Waits until the server has no unfinished job; false after the timeout.
    bool waitForIdle(int timeoutMs = 30000);
    // The newest job of the queue, 0 when there is none.
    int lastJobId(const QString& queue);
    // Every attribute CUPS recorded for the job, as text.
    QMap<QString, QString> jobAttributes(int jobId);
    QString errorLogTail() const;

private:
    bool writeConfiguration(QString* why);
    bool waitUntilRunning(QString* why);
    QProcessEnvironment toolEnvironment() const;

    QTemporaryDir m_dir;
    QProcess m_cupsd;
};
