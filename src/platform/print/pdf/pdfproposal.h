// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the built-in PDF printer proposes in its save dialog: the folder the operator saved in last
// (kept in the data folder's own settings) and a file name made of the time and the slip's destination.

#include "rules/files/programsettings.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace rova::print
{

class PdfProposal
{
public:
    // Nothing remembered: proposals go into the user's documents folder.
    PdfProposal() = default;
    explicit PdfProposal(const QString& dataFolder);

    // Full path proposed for a file printed at the given time for the addressee (the destination's
    // name; empty names the file by the time alone). The remembered folder is proposed while it
    // exists, otherwise the user's documents folder (or home). A name taken there already gets "_2",
    // "_3"… before its ".pdf".
    QString path(const QDateTime& printed, const QString& addressee) const;
    // Remembers the folder of a file just saved. Raises rova::Error when the settings cannot be written.
    void saved(const QString& filePath);

private:
    std::optional<ProgramSettings> m_settings;
};

} // namespace rova::print
