#include "cupsdestinations.h"

namespace rova::print {

CupsDestList::CupsDestList() { m_count = cupsGetDests2(CUPS_HTTP_DEFAULT, &m_dests); }

CupsDestList::~CupsDestList() { cupsFreeDests(m_count, m_dests); }

cups_dest_t* CupsDestList::find(const QString& name) const
{
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    const QByteArray queue = (slash < 0 ? name : name.left(slash)).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1).toUtf8();
    return cupsGetDest(queue.constData(), slash < 0 ? nullptr : instance.constData(), m_count, m_dests);
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
