// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Values of a slip that run into each other or off the printable area, found before a form is spent.
// Boxes are measured with the font and size the printer draws with, in its dots.

#include "rules/slip/printsettings.h"
#include "rules/slip/sliplayout.h"

#include <QFontMetrics>
#include <QHash>
#include <QList>
#include <QRect>
#include <QStringList>

#include <map>
#include <tuple>

namespace rova::slip
{

// A drawn item at its device dots, with the cell it paints.
struct PlacedField {
    FieldItem field;
    QRect box;
};

// The cells of drawn texts, each text measured once per font: slips of a batch repeat most of their
// texts (the sender, item names, the digits of codes and dates), and shaping a text costs more than
// laying out the slip.
class TextCells
{
public:
    // The cell the canvas paints white before the item's text, in dots at dpiY.
    QSize cell(const TextItem& item, int dpiY);

private:
    struct Font {
        QFontMetrics metrics;
        QHash<QString, int> widths;
    };
    std::map<std::tuple<QString, int, bool, int>, Font> m_fonts;
};

// Raises the conversion error for a margin that is no whole number, as the renderer does. Without
// `cells` the texts are measured afresh.
QList<PlacedField> placeFields(const SlipValues& values, const PrintSettings& settings,
                               TextCells* cells = nullptr);

struct Overlaps {
    QList<QPair<int, int>> clashes; // indexes into the placed fields; pieces of one field never clash
    QList<int> outside;             // indexes of fields not wholly inside the printable area
    bool marks(int index) const;
};

// printable is in dots from the printable area's corner; an empty one is not known and not checked.
Overlaps findOverlaps(const QList<PlacedField>& placed, const QRect& printable);

// One line per pair of fields ("おところ① が 品名 に重なります") and per field off the area.
QStringList overlapLines(const QList<PlacedField>& placed, const Overlaps& overlaps);

// All of the above for the print question; a margin that is no whole number gives no lines, since
// printing reports it.
QStringList overlapReport(const SlipValues& values, const PrintSettings& settings, const QRect& printable,
                          TextCells* cells = nullptr);

} // namespace rova::slip
