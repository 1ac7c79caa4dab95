// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/location.h"

#include "rules/errors.h"
#include "rules/files/programsettings.h"

#include <QSysInfo>
#include <QUrl>
#include <QUrlQuery>

namespace rova::store
{

QString hostStation()
{
    return QSysInfo::machineHostName();
}

QString locationVariable()
{
    return QStringLiteral("ROVA_DATABASE");
}

Location chooseLocation(const QString& folder, const QString& option, const QString& environment)
{
    QString server = option.trimmed();
    ChosenBy by = ChosenBy::Option;
    if (server.isEmpty()) {
        server = environment.trimmed();
        by = ChosenBy::Environment;
    }
    if (server.isEmpty()) {
        server = ProgramSettings(folder).database().trimmed();
        by = ChosenBy::Settings;
    }
    const QString named = ProgramSettings(folder).station().trimmed();
    Location chosen(folder, {}, named.isEmpty() ? hostStation() : named);
    chosen.chosenBy = by;
    if (!server.isEmpty()) {
        checkServer(server);
        chosen.server = server;
    }
    return chosen;
}

void checkServer(const QString& uri)
{
    const QUrl url(uri, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != u"postgresql" && scheme != u"postgres"))
        throw Error(QStringLiteral("データベース「%1」は PostgreSQL の接続 URI ではありません"
                                   " (例: postgresql://packer@192.0.2.10/shop)")
                        .arg(shownServer(uri)));
}

bool holdsPassword(const QString& uri)
{
    const QUrl url(uri);
    return !url.password().isEmpty() || QUrlQuery(url).hasQueryItem(QStringLiteral("password"));
}

QString shownServer(const QString& uri)
{
    const QUrl url(uri);
    return url.isValid() ? url.toString(QUrl::RemovePassword) : uri;
}

} // namespace rova::store
