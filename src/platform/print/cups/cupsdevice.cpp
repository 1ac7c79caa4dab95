// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/cups/cupsdevice.h"

#include <QRegularExpression>

namespace rova::print
{

QPoint parseResolution(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:x(\\d+))?dpi$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    const int x = m.captured(1).toInt();
    const int y = m.captured(2).isEmpty() ? x : m.captured(2).toInt();
    return x > 0 && y > 0 ? QPoint(x, y) : QPoint();
}

CupsDevice readCupsDevice(cups_dest_t& dest)
{
    CupsDevice device;
    if (readPpdDevice(dest, device))
        return device;
    return readIppDevice(dest);
}

} // namespace rova::print
