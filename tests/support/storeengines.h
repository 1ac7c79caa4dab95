// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store's tests run on both engines, a global data row each: the file in the test's scratch
// folder, and a new database on one private PostgreSQL server started for the whole test program.

#include "platform/store/location.h"
#include "support/privatepostgresserver.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace rova::test
{

class StoreEngines
{
public:
    // For initTestCase_data() or a test's own data: the rows "SQLite" and "PostgreSQL" of the
    // column onServer.
    static void addRows();

    // A new, empty store, its files in `folder`: the file there, or a new database on the server;
    // nothing with the reason in *why when the server cannot run here (PRIVATE_POSTGRES_UNAVAILABLE).
    std::optional<store::Location> fresh(bool onServer, const QString& folder, QString* why);
    // The first value a statement gives on a plain connection of its own, as another tool would
    // read it; null when the statement fails.
    QVariant value(const store::Location& store, const QString& sql);
    // The server of the stores fresh() made on it, to stop and resume; null before the first.
    PrivatePostgresServer* server() const { return m_server.get(); }

private:
    std::unique_ptr<PrivatePostgresServer> m_server;
    QString m_failure; // why the server did not start, once tried
};

} // namespace rova::test
