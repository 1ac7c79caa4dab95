#pragma once
// What the built-in PDF printer proposes in its save dialog: the folder the operator saved in last
// (kept in the data folder's own settings) and a file name made of the time and the slip's destination.

#include "platform/programsettings.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace rova::print
{

class PdfProposal
{
public:
    using NameSource = std::function<QString()>; // the destination's name on the slip being printed

    // Nothing remembered and no name: proposals are named by the time, in the documents folder.
    PdfProposal() = default;
    PdfProposal(const QString& dataFolder, NameSource destinationName);

    // Full path proposed for a file printed at the given time. The remembered folder is proposed while
    // it exists, otherwise the user's documents folder (or home).
    QString path(const QDateTime& printed) const;
    // Remembers the folder of a file just saved. Raises rova::Error when the settings cannot be written.
    void saved(const QString& filePath);

private:
    std::optional<ProgramSettings> m_settings;
    NameSource m_destinationName;
};

} // namespace rova::print
