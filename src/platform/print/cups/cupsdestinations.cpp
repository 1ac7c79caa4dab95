// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/cups/cupsdestinations.h"

namespace rova::print
{

namespace
{

// "queue/instance" split into the two parts libcups takes.
struct QueueName {
    explicit QueueName(const QString& name)
    {
        const qsizetype slash = name.indexOf(QLatin1Char('/'));
        queue = (slash < 0 ? name : name.left(slash)).toUtf8();
        if (slash >= 0)
            instance = name.mid(slash + 1).toUtf8();
    }
    const char* instanceOrNull() const { return instance.isNull() ? nullptr : instance.constData(); }

    QByteArray queue;
    QByteArray instance;
};

} // namespace

CupsDestList::CupsDestList()
{
    m_count = cupsGetDests2(CUPS_HTTP_DEFAULT, &m_dests);
    // A scheduler without queues answers "not found"; anything else without a list is a failure.
    const ipp_status_t status = cupsLastError();
    m_failed = m_count == 0 && status > IPP_STATUS_OK_EVENTS_COMPLETE && status != IPP_STATUS_ERROR_NOT_FOUND;
}

CupsDestList::~CupsDestList()
{
    cupsFreeDests(m_count, m_dests);
}

CupsNamedDest::CupsNamedDest(const QString& name)
{
    const QueueName q(name);
    m_dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, q.queue.constData(), q.instanceOrNull());
}

CupsNamedDest::~CupsNamedDest()
{
    if (m_dest)
        cupsFreeDests(1, m_dest);
}

int CupsDestList::defaultIndex() const
{
    const cups_dest_t* dest = cupsGetDest(nullptr, nullptr, m_count, m_dests);
    return dest ? int(dest - m_dests) : -1;
}

QString CupsDestList::nameOf(const cups_dest_t& dest)
{
    const QString queue = QString::fromUtf8(dest.name);
    return dest.instance ? queue + QLatin1Char('/') + QString::fromUtf8(dest.instance) : queue;
}

QString CupsDestList::option(const cups_dest_t& dest, const char* name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

Destination CupsDestList::describe(const cups_dest_t& dest)
{
    // CUPS has no hidden flag of its own; administrators mark a queue with the printer option
    // x-hidden (lpadmin -o x-hidden-default=true), which libcups reports as "x-hidden".
    const auto isTrue = [](const QString& v) {
        return v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    };
    Destination d;
    d.name = nameOf(dest);
    d.hidden = isTrue(option(dest, "x-hidden")) || isTrue(option(dest, "x-hidden-default"));
    d.port = option(dest, "device-uri");
    if (d.port.isEmpty())
        d.port = option(dest, "printer-uri-supported");
    return d;
}

} // namespace rova::print
