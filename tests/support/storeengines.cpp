// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/storeengines.h"

#include "platform/store/database.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace rova::test
{

void StoreEngines::addRows()
{
    QTest::addColumn<bool>("onServer");
    QTest::newRow("SQLite") << false;
    QTest::newRow("PostgreSQL") << true;
}

std::optional<store::Location> StoreEngines::fresh(bool onServer, const QString& folder, QString* why)
{
    if (!onServer)
        return store::Location(folder);
    if (!m_server && m_failure.isEmpty()) {
        auto server = std::make_unique<PrivatePostgresServer>();
        if (server->start(&m_failure))
            m_server = std::move(server);
    }
    if (!m_server) {
        *why = m_failure;
        return std::nullopt;
    }
    const QString uri = m_server->newDatabase(why);
    if (uri.isEmpty())
        return std::nullopt;
    return store::Location(folder, uri);
}

QVariant StoreEngines::value(const store::Location& store, const QString& sql)
{
    if (store.onServer())
        return m_server->value(store.server, sql);
    const QString connection = QStringLiteral("store-engines-plain");
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QDir(store.folder).filePath(store::databaseFileName()));
        QSqlQuery query(db);
        if (db.open() && query.exec(sql) && query.next())
            result = query.value(0);
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

} // namespace rova::test
