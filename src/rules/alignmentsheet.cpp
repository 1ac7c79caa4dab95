#include "rules/alignmentsheet.h"

#include "rules/devicemapping.h"
#include "rules/pagegeometry.h"

#include <algorithm>

namespace rova::slip
{
namespace
{

// Ticks every millimetre, longer every five, numbered every ten, along one edge from the corner.
void ruler(print::Canvas& canvas, bool horizontal, int lengthDots, int dpi, int across)
{
    const int count = static_cast<int>(dotsToMm(lengthDots, dpi));
    for (int mm = 0; mm <= count; ++mm) {
        const int at = mmToDots(mm, dpi);
        const int tick = mmToDots(mm % 10 == 0 ? 3 : mm % 5 == 0 ? 2 : 1, across);
        if (horizontal)
            canvas.line(at, 0, at, tick);
        else
            canvas.line(0, at, tick, at);
        if (mm % 10 == 0 && mm > 0) {
            const int gap = mmToDots(0.5, across);
            if (horizontal)
                canvas.textOut(at + mmToDots(0.5, dpi), gap + tick, QString::number(mm));
            else
                canvas.textOut(gap + tick, at + mmToDots(0.5, dpi), QString::number(mm));
        }
    }
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
    const int dpiX = settings.resolution.x();
    const int dpiY = settings.resolution.y();
    canvas.setTextColor(Qt::black);
    canvas.setBrush(Qt::white);

    canvas.setFont(kLatin, 6, false);
    const QRect area = sheet.printable;
    // Without a known area the rulers still cover the form's width and height.
    const int width = area.isEmpty() ? mmToDots(200, dpiX) : area.width();
    const int height = area.isEmpty() ? mmToDots(140, dpiY) : area.height();
    ruler(canvas, true, width, dpiX, dpiY);
    ruler(canvas, false, height, dpiY, dpiX);

    canvas.setFont(kMincho, 7, false);
    const int armX = mmToDots(1.5, dpiX);
    const int armY = mmToDots(1.5, dpiY);
    int lowest = 0;
    for (const LayoutPoint& point : layoutPoints(formKind(sheet.slipType))) {
        const int x = toDevice(mapping.scaleX, point.at.x(), mapping.left);
        const int y = toDevice(mapping.scaleY, point.at.y(), mapping.top);
        canvas.line(x - armX, y, x + armX, y);
        canvas.line(x, y - armY, x, y + armY);
        // The name starts at the point's height, just right of the cross.
        canvas.textOut(x + armX + mmToDots(0.5, dpiX), y, point.label);
        lowest = std::max(lowest, y);
    }

    canvas.setFont(kMincho, 9, false);
    const int footerY = area.isEmpty() ? lowest + mmToDots(15, dpiY) : area.bottom() - mmToDots(8, dpiY);
    canvas.textOut(mmToDots(10, dpiX), footerY, footer);
}

} // namespace rova::slip
