// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the store is: the SQLite file in the data folder, or a PostgreSQL server that several
// packing stations share.

#include <QString>

namespace rova::store
{

// The name of this station by default: the computer's host name.
QString hostStation();

// Which of the three ways chose the store (the settings file also when none named a server).
enum class ChosenBy { Settings, Environment, Option };

struct Location {
    // The data folder's own file; implicit, since that is where every store was before servers.
    Location(const QString& folder, const QString& server = {}, const QString& station = hostStation())
        : folder(folder), server(server), station(station)
    {
    }

    QString folder;  // the data folder
    QString server;  // a libpq connection URI (postgresql://user@host/database); empty for the file
    QString station; // this program's name among the stations sharing the store
    ChosenBy chosenBy = ChosenBy::Settings;

    bool onServer() const { return !server.isEmpty(); }
};

// The name of the choice in the environment and in the settings file: "ROVA_DATABASE".
QString locationVariable();

// --database first, then ROVA_DATABASE (`environment`), then the same key in the data folder's
// settings file; none of them: the file in the folder. The station is named by the settings file,
// else by the host name. Raises rova::Error for a value that is no PostgreSQL URI.
Location chooseLocation(const QString& folder, const QString& option, const QString& environment);

// Raises rova::Error, the value shown without its password, for a value that is no PostgreSQL URI.
void checkServer(const QString& uri);
// Whether the URI carries a password, in its user part or as a parameter.
bool holdsPassword(const QString& uri);

// The server as the operator may see it: the URI without its password.
QString shownServer(const QString& uri);

} // namespace rova::store
