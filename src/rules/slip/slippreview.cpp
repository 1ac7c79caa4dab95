// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/slippreview.h"

#include "rules/slip/devicemapping.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/slipoverlaps.h"
#include "rules/slip/sliprenderer.h"

#include <QPainter>

namespace rova::slip
{
namespace
{

const QColor kMarkColour(170, 185, 215);

void paintMarks(QPainter& painter, const SlipPreview& preview, const DeviceMapping& mapping)
{
    const QPoint dpi = preview.settings.resolution;
    painter.setPen(kMarkColour);
    painter.setFont(print::printFont(kMincho, 6, false, dpi.y()));
    const int arm = mmToDots(1, dpi.x());
    for (const LayoutPoint& point : layoutPoints(formKind(preview.values.slipType))) {
        const int x = toDevice(mapping.scaleX, point.at.x(), mapping.left);
        const int y = toDevice(mapping.scaleY, point.at.y(), mapping.top);
        painter.drawLine(x - arm, y, x + arm, y);
        painter.drawLine(x, y - arm, x, y + arm);
        // Above the point, so that a value drawn there does not hide the name.
        painter.drawText(QPoint(x + arm / 2, y - arm / 2), point.label);
    }
}

void paintScan(QPainter& painter, const SlipPreview& preview, const QRect& paper)
{
    const QRectF place =
        scanPlace(preview.scan, preview.scanImage.size(), paper.topLeft(), preview.settings.resolution);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(paper);
    painter.drawImage(place, preview.scanImage);
    painter.restore();
}

void paintOverlaps(QPainter& painter, const SlipPreview& preview)
{
    const QList<PlacedField> placed = placeFields(preview.values, preview.settings);
    const QRect printable =
        preview.page ? printableDots(*preview.page, preview.settings.resolution) : QRect();
    const Overlaps overlaps = findOverlaps(placed, printable);
    painter.setPen(QPen(Qt::red, std::max(1, preview.settings.resolution.y() / 150)));
    for (int i = 0; i < placed.size(); ++i)
        if (overlaps.marks(i)) {
            painter.fillRect(placed[i].box, QColor(255, 0, 0, 60));
            painter.drawRect(placed[i].box);
        }
}

} // namespace

QRect previewBounds(const SlipPreview& preview)
{
    const QPoint dpi = preview.settings.resolution;
    if (preview.page)
        return paperDots(*preview.page, dpi);
    // The carrier's forms are about this size; the marks and values fall inside it.
    return QRect(0, 0, mmToDots(200, dpi.x()), mmToDots(140, dpi.y()));
}

void paintPreview(QPainter& painter, const SlipPreview& preview)
{
    const PrintSettings& settings = preview.settings;
    const DeviceMapping mapping = deviceMapping(settings.resolution, settings.top, settings.left);
    const QRect paper = previewBounds(preview);
    painter.fillRect(paper, Qt::white);
    if (!preview.scanImage.isNull())
        paintScan(painter, preview, paper);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.drawRect(paper);
    if (preview.page) {
        painter.setPen(QPen(QColor(120, 160, 220), 0, Qt::DashLine));
        painter.drawRect(printableDots(*preview.page, settings.resolution));
    }
    if (preview.scanImage.isNull())
        paintMarks(painter, preview, mapping);
    print::PainterCanvas canvas(painter, settings.resolution.y());
    renderSlip(canvas, preview.values, settings);
    paintOverlaps(painter, preview);
}

} // namespace rova::slip
