// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/location.h"

#include "rules/errors.h"
#include "rules/files/programsettings.h"

#include <QSysInfo>
#include <QUrl>

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
    if (server.isEmpty())
        server = environment.trimmed();
    if (server.isEmpty())
        server = ProgramSettings(folder).database().trimmed();
    const QString named = ProgramSettings(folder).station().trimmed();
    const QString station = named.isEmpty() ? hostStation() : named;
    if (server.isEmpty())
        return Location(folder, {}, station);
    const QUrl url(server, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != u"postgresql" && scheme != u"postgres"))
        throw Error(QStringLiteral("データベース「%1」は PostgreSQL の接続 URI ではありません"
                                   " (例: postgresql://packer@192.0.2.10/shop)")
                        .arg(shownServer(server)));
    return Location(folder, server, station);
}

QString shownServer(const QString& uri)
{
    const QUrl url(uri);
    return url.isValid() ? url.toString(QUrl::RemovePassword) : uri;
}

} // namespace rova::store
