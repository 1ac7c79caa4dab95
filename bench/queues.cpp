// SPDX-License-Identifier: GPL-3.0-or-later
#include "queues.h"

#include <QFile>

namespace bench
{

QString genericPdfPpd()
{
    return QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
}

QString queueName(int n)
{
    return QStringLiteral("bench-%1").arg(n, 3, 10, QLatin1Char('0'));
}

bool addQueues(PrivateCupsServer& server, int first, int last, QString* why)
{
    if (!QFile::exists(genericPdfPpd())) {
        *why =
            genericPdfPpd() + QStringLiteral(" is missing (package printer-driver-cups-pdf or cups-filters)");
        return false;
    }
    for (int n = first; n <= last; ++n) {
        const QString error = server.addQueue(queueName(n), genericPdfPpd());
        if (!error.isEmpty()) {
            *why = QStringLiteral("lpadmin refused %1: %2").arg(queueName(n), error);
            return false;
        }
    }
    return true;
}

bool startWithQueues(PrivateCupsServer& server, int count, QString* why)
{
    return server.start(why) && addQueues(server, 1, count, why);
}

} // namespace bench
