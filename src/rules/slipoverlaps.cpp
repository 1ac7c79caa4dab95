#include "rules/slipoverlaps.h"

#include "rules/canvas.h"
#include "rules/devicemapping.h"
#include "rules/errors.h"

#include <QFontMetrics>

#include <map>
#include <tuple>

namespace rova::slip
{

QList<PlacedField> placeFields(const SlipValues& values, const PrintSettings& settings)
{
    const QList<FieldItem> fields = layoutFields(values);
    QList<TextItem> items;
    for (const FieldItem& f : fields)
        items.append(f.item);
    const QList<TextItem> device =
        toDevice(items, deviceMapping(settings.resolution, settings.top, settings.left));
    QList<PlacedField> placed;
    // A slip uses few fonts over many items; finding a font's engine costs more than measuring.
    std::map<std::tuple<QString, int, bool>, QFontMetrics> metricsOf;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const TextItem& item = device[i];
        const auto [found, added] = metricsOf.try_emplace(
            {item.family, item.points, item.bold},
            print::printFont(item.family, item.points, item.bold, settings.resolution.y()));
        // The same cell the canvas paints white before the text.
        const QFontMetrics& metrics = found->second;
        FieldItem field = fields[i];
        field.item = item;
        placed.append({field, QRect(item.x, item.y, metrics.horizontalAdvance(item.text), metrics.height())});
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

QStringList overlapReport(const SlipValues& values, const PrintSettings& settings, const QRect& printable)
{
    QList<PlacedField> placed;
    try {
        placed = placeFields(values, settings);
    } catch (const Error&) {
        return {};
    }
    return overlapLines(placed, findOverlaps(placed, printable));
}

} // namespace rova::slip
