#pragma once
// "rova_a500.ini": per slip type the printer number, the printer's name and the two margins, kept as
// the text the window shows. One section per slip type, named by the slip type's text.

#include <QString>

namespace rova::slip
{

struct PrinterAssignment {
    QString printerName; // for the reader of the file only; never read back
    QString printerIndex;
    QString top;
    QString left;
};

class AssignmentFile
{
public:
    // The file in the given working folder.
    explicit AssignmentFile(const QString& folder);
    static QString fileName(); // "rova_a500.ini"

    // A missing file, section or key reads as "0"; the name is not read.
    PrinterAssignment load(const QString& slipType) const;
    // Writes the four keys in one replacement of the file: PrnName (trimmed, "?" for each character
    // code page 932 cannot hold), PrnNoIndex, rovPrn_Top, rovPrn_Left. The last three are stored
    // exactly or not at all.
    void store(const QString& slipType, const PrinterAssignment& assignment) const;

private:
    QString m_path;
};

} // namespace rova::slip
