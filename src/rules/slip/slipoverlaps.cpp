// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/slipoverlaps.h"

#include "rules/errors.h"
#include "rules/slip/canvas.h"
#include "rules/slip/devicemapping.h"

namespace rova::slip
{

QSize TextCells::cell(const TextItem& item, int dpiY)
{
    const std::tuple<QString, int, bool, int> key{item.family, item.points, item.bold, dpiY};
    auto font = m_fonts.find(key);
    if (font == m_fonts.end()) {
        const QFontMetrics metrics(print::printFont(item.family, item.points, item.bold, dpiY));
        font = m_fonts.emplace(key, Font{metrics, {}}).first;
    }
    Font& f = font->second;
    auto width = f.widths.constFind(item.text);
    if (width == f.widths.constEnd())
        width = f.widths.insert(item.text, f.metrics.horizontalAdvance(item.text));
    return {*width, f.metrics.height()};
}

QList<PlacedField> placeFields(const SlipValues& values, const PrintSettings& settings, TextCells* cells)
{
    const QList<FieldItem> fields = layoutFields(values);
    QList<TextItem> items;
    for (const FieldItem& f : fields)
        items.append(f.item);
    const QList<TextItem> device =
        toDevice(items, deviceMapping(settings.resolution, settings.top, settings.left));
    TextCells own;
    TextCells& measure = cells ? *cells : own;
    QList<PlacedField> placed;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const TextItem& item = device[i];
        FieldItem field = fields[i];
        field.item = item;
        placed.append({field, QRect(QPoint(item.x, item.y), measure.cell(item, settings.resolution.y()))});
    }
    return placed;
}

bool Overlaps::marks(int index) const
{
    if (outside.contains(index))
        return true;
    for (const auto& [a, b] : clashes)
        if (a == index || b == index)
            return true;
    return false;
}

Overlaps findOverlaps(const QList<PlacedField>& placed, const QRect& printable)
{
    Overlaps found;
    for (int i = 0; i < placed.size(); ++i) {
        if (!printable.isEmpty() && !printable.contains(placed[i].box))
            found.outside.append(i);
        for (int j = i + 1; j < placed.size(); ++j)
            if (placed[i].field.field != placed[j].field.field && placed[i].box.intersects(placed[j].box))
                found.clashes.append({i, j});
    }
    return found;
}

QStringList overlapLines(const QList<PlacedField>& placed, const Overlaps& overlaps)
{
    QStringList lines;
    const auto addOnce = [&](const QString& line) {
        if (!lines.contains(line))
            lines.append(line);
    };
    for (const auto& [a, b] : overlaps.clashes)
        addOnce(QStringLiteral("%1 が %2 に重なります").arg(placed[a].field.field, placed[b].field.field));
    for (int i : overlaps.outside)
        addOnce(QStringLiteral("%1 が印刷できる範囲をはみ出します").arg(placed[i].field.field));
    return lines;
}

QStringList overlapReport(const SlipValues& values, const PrintSettings& settings, const QRect& printable,
                          TextCells* cells)
{
    QList<PlacedField> placed;
    try {
        placed = placeFields(values, settings, cells);
    } catch (const Error&) {
        return {};
    }
    return overlapLines(placed, findOverlaps(placed, printable));
}

} // namespace rova::slip
