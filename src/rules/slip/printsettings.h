// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A slip type's print settings: the printer registered for it, its top and left margins in printer
// dots, and the resolution the slip is laid out at. Owned by the entry window, stored per slip type
// in "rova_a500.ini".

#include <QPoint>
#include <QString>

namespace rova::slip
{

struct PrintSettings {
    QString printerName;  // the registered printer; empty in files from before names were kept
    QString printerIndex; // visible printer number, as the file holds it; where to look first
    // The margins stay text: a value that is no whole number is refused when printing, not before.
    QString top;
    QString left;
    // Dots per inch the layout is mapped with (the printer's resolution corrected by its scale);
    // the print path sets it from the printer the slip goes to.
    QPoint resolution{600, 600};
    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

} // namespace rova::slip
