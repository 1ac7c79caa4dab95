// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "rova_a500.ini": per slip type the printer number, the printer's name and the two margins, kept as
// the text the window shows. One section per slip type, named by the slip type's text.

#include "rules/slip/printsettings.h"

#include <QString>

namespace rova::slip
{

class AssignmentFile
{
public:
    // The file in the given working folder.
    explicit AssignmentFile(const QString& folder);
    static QString fileName(); // "rova_a500.ini"

    // A missing file, section or key reads as "0", a missing name as empty; the resolution is not read.
    PrintSettings load(const QString& slipType) const;
    // Writes the four keys in one replacement of the file: PrnName (trimmed, "?" for each character
    // code page 932 cannot hold), PrnNoIndex, rovPrn_Top, rovPrn_Left. The last three are stored
    // exactly or not at all; the resolution is not stored.
    void store(const QString& slipType, const PrintSettings& settings) const;
    // A printer's name as store() writes it, to compare with what load() gives.
    static QString storedName(const QString& name);

private:
    QString m_path;
};

} // namespace rova::slip
