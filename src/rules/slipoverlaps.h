#pragma once
// Values of a slip that run into each other or off the printable area, found before a form is spent.
// Boxes are measured with the font and size the printer draws with, in its dots.

#include "rules/printsettings.h"
#include "rules/sliplayout.h"

#include <QList>
#include <QRect>
#include <QStringList>

namespace rova::slip
{

// A drawn item at its device dots, with the cell it paints.
struct PlacedField {
    FieldItem field;
    QRect box;
};

// Raises the conversion error for a margin that is no whole number, as the renderer does.
QList<PlacedField> placeFields(const SlipValues& values, const PrintSettings& settings);

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
QStringList overlapReport(const SlipValues& values, const PrintSettings& settings, const QRect& printable);

} // namespace rova::slip
