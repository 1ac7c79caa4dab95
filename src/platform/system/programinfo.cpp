// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/programinfo.h"

#include <QGuiApplication>

namespace rova::programinfo
{

QString command()
{
    return QStringLiteral("rova-yamato");
}

QString version()
{
    return QStringLiteral(ROVA_VERSION);
}

QString desktopId()
{
    return QStringLiteral(ROVA_DESKTOP_ID);
}

void identifyApplication()
{
    QCoreApplication::setApplicationName(command());
    QCoreApplication::setApplicationVersion(version());
    QGuiApplication::setDesktopFileName(desktopId());
}

} // namespace rova::programinfo
