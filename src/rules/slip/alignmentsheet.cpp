// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/alignmentsheet.h"

#include "rules/slip/devicemapping.h"
#include "rules/slip/pagegeometry.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace rova::slip
{
namespace
{

// The cell a text takes, in dots: fonts are sized in vertical dots, so a printer with finer
// horizontal dots spreads the text over more of them.
QRect textCell(const QFont& font, const QString& text, QPoint at, QPoint dpi)
{
    const QFontMetrics metrics(font);
    const double width = metrics.horizontalAdvance(text) * double(dpi.x()) / dpi.y();
    return QRect(at, QSize(static_cast<int>(std::ceil(width)), metrics.height()));
}

// Ticks every millimetre, longer every five, numbered every ten, along one edge from the corner.
void ruler(print::Canvas& canvas, bool horizontal, int lengthDots, QPoint dpi)
{
    const int along = horizontal ? dpi.x() : dpi.y();
    const int across = horizontal ? dpi.y() : dpi.x();
    const int count = static_cast<int>(dotsToMm(lengthDots, along));
    for (int mm = 0; mm <= count; ++mm) {
        const int at = mmToDots(mm, along);
        const int tick = mmToDots(mm % 10 == 0 ? 2 : mm % 5 == 0 ? 1.5 : 1, across);
        if (horizontal)
            canvas.line(at, 0, at, tick);
        else
            canvas.line(0, at, tick, at);
        if (mm % 10 == 0 && mm > 0) {
            // Each distance is rounded to dots once, so that coarse dots add up no error.
            const int past = mmToDots(mm + 0.5, along);
            const int in = mmToDots(2.5, across);
            if (horizontal)
                canvas.textOut(past, in, QString::number(mm));
            else
                canvas.textOut(in, past, QString::number(mm));
        }
    }
}

// Dots of a layout coordinate moved by a distance in millimetres, rounded once, so that a text
// beside a cross is as near to its place as the printer's dots allow.
int awayFrom(int units, double mm, int dpi, int margin)
{
    return margin + static_cast<int>(std::lround((units / 160.0 + mm / 25.4) * dpi));
}

bool runsInto(const QRect& box, const QList<QRect>& taken)
{
    return std::any_of(taken.cbegin(), taken.cend(), [&](const QRect& t) { return t.intersects(box); });
}

} // namespace

QString alignmentFooter(const AlignmentSheet& sheet)
{
    const QPoint dpi = sheet.settings.resolution;
    const int top = marginFromText(sheet.settings.top);
    const int left = marginFromText(sheet.settings.left);
    return QStringLiteral("テスト印刷　%1　%2　%3×%4 dpi　上 %5 ドット (%6 mm)　左 %7 ドット (%8 mm)")
        .arg(sheet.slipType, sheet.printer)
        .arg(dpi.x())
        .arg(dpi.y())
        .arg(top)
        .arg(dotsToMm(top, dpi.y()), 0, 'f', 1)
        .arg(left)
        .arg(dotsToMm(left, dpi.x()), 0, 'f', 1);
}

void renderAlignmentSheet(print::Canvas& canvas, const AlignmentSheet& sheet)
{
    const PrintSettings& settings = sheet.settings;
    const DeviceMapping mapping = deviceMapping(settings.resolution, settings.top, settings.left);
    const QString footer = alignmentFooter(sheet);
    const QPoint dpi = settings.resolution;
    canvas.setTextColor(Qt::black);
    // Nothing on the sheet may hide a line or a text under it.
    canvas.setBrush(Qt::transparent);

    canvas.setFont(kLatin, 6, false);
    const QRect area = sheet.printable;
    // Without a known area the rulers still cover the form's width and height.
    const int width = area.isEmpty() ? mmToDots(200, dpi.x()) : area.width();
    const int height = area.isEmpty() ? mmToDots(140, dpi.y()) : area.height();
    ruler(canvas, true, width, dpi);
    ruler(canvas, false, height, dpi);

    const int armX = mmToDots(1.5, dpi.x());
    const int armY = mmToDots(1.5, dpi.y());
    const QList<LayoutPoint> points = layoutPoints(formKind(sheet.slipType));
    QList<QRect> taken; // what a name must not run into
    for (const LayoutPoint& point : points) {
        const int x = toDevice(mapping.scaleX, point.at.x(), mapping.left);
        const int y = toDevice(mapping.scaleY, point.at.y(), mapping.top);
        canvas.line(x - armX, y, x + armX, y);
        canvas.line(x, y - armY, x, y + armY);
        taken << QRect(x - armX, y, 2 * armX + 1, 1) << QRect(x, y - armY, 1, 2 * armY + 1);
    }

    // A name sits just below and right of its cross, clear of both arms. One that would run into a
    // cross or a name before it goes down a name line (3 mm) at a time: the boxes of a piece count
    // lie closer together than their names are long.
    canvas.setFont(kMincho, 6, false);
    const QFont nameFont = print::printFont(kMincho, 6, false, dpi.y());
    int lowest = 0;
    for (const LayoutPoint& point : points) {
        const auto onLine = [&](int line) {
            const QPoint at(awayFrom(point.at.x(), 0.5, dpi.x(), mapping.left),
                            awayFrom(point.at.y(), 0.5 + 3.0 * line, dpi.y(), mapping.top));
            return textCell(nameFont, point.label, at, dpi);
        };
        int line = 0;
        QRect box = onLine(line);
        while (runsInto(box, taken))
            box = onLine(++line);
        canvas.textOut(box.left(), box.top(), point.label);
        taken.append(box);
        lowest = std::max(lowest, box.bottom());
    }

    // The footer right under the names, so that the sheet is read at one glance; never below the
    // area's last line.
    canvas.setFont(kMincho, 9, false);
    int footerY = lowest + mmToDots(5, dpi.y());
    if (!area.isEmpty())
        footerY = std::min(footerY, area.bottom() - mmToDots(5, dpi.y()));
    canvas.textOut(mmToDots(10, dpi.x()), footerY, footer);
}

} // namespace rova::slip
