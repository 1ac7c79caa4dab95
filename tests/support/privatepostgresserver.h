// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PostgreSQL server of the test's own: its cluster in a temporary folder, reachable only through
// a Unix socket in that folder (no TCP port), trusted for its one superuser. The machine's own
// servers are never touched. Stopped by its process id and the folder removed when the object
// goes. PostgreSQL refuses to run as root: as root, the cluster and the server belong to nobody.

#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>

class PrivatePostgresServer
{
public:
    PrivatePostgresServer();
    ~PrivatePostgresServer();
    PrivatePostgresServer(const PrivatePostgresServer&) = delete;
    PrivatePostgresServer& operator=(const PrivatePostgresServer&) = delete;

    // Makes the cluster and starts the server; on failure (binaries missing among them) returns
    // false with the reason, for PRIVATE_POSTGRES_UNAVAILABLE.
    bool start(QString* why);
    void stop();
    // Starts the stopped server again on the same cluster, as a server coming back does.
    bool resume(QString* why);

    // A new empty database, by its connection URI; empty with the reason in *why on failure.
    QString newDatabase(QString* why);
    // The URI of a database on this server.
    QString uri(const QString& database) const;
    // The first value of a statement on the database of `uri` (one of uri()), on a connection of
    // its own; null when it fails.
    QVariant value(const QString& uri, const QString& sql);

private:
    // Runs `work` on a connection of the superuser to the database.
    void withConnection(const QString& database, const std::function<void(QSqlDatabase&)>& work);
    // Runs one of the server's programs (as nobody when root) and returns whether it succeeded,
    // its output in *output.
    bool run(const QString& program, const QStringList& arguments, QString* output);
    QString command(const QString& program, QStringList* arguments) const;
    bool waitUntilRunning(QString* why);
    QString logTail() const;

    QTemporaryDir m_dir;
    QProcess m_server;
    int m_databases = 0;
};
