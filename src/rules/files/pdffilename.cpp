// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/pdffilename.h"

#include <QStringView>

namespace rova
{

namespace
{

constexpr qsizetype maxNameBytes = 120;

bool refused(QChar c)
{
    static const QString refusedByFileSystems = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || refusedByFileSystems.contains(c);
}

QString safeName(const QString& name)
{
    QString safe;
    bool blank = false;
    for (QChar c : name.trimmed()) {
        if (c.isSpace()) {
            blank = true;
            continue;
        }
        if (blank)
            safe += QLatin1Char('_');
        blank = false;
        safe += refused(c) ? QLatin1Char('_') : c;
    }
    // Cut between characters, never inside a surrogate pair.
    qsizetype bytes = 0;
    qsizetype end = 0;
    while (end < safe.size()) {
        const qsizetype step = safe[end].isHighSurrogate() && end + 1 < safe.size() ? 2 : 1;
        bytes += QStringView(safe).mid(end, step).toUtf8().size();
        if (bytes > maxNameBytes)
            break;
        end += step;
    }
    return safe.left(end);
}

} // namespace

QString pdfFileName(const QDateTime& printed, const QString& destinationName)
{
    const QString time = printed.toString(QStringLiteral("yyyy-MM-dd_HHmm"));
    const QString name = safeName(destinationName);
    return (name.isEmpty() ? time : time + QLatin1Char('_') + name) + QStringLiteral(".pdf");
}

} // namespace rova
