#include "print/printerassignment.h"

#include "platform/profile.h"

#include <QDir>

namespace rova::slip
{
namespace
{
const QString kName = QStringLiteral("PrnName");
const QString kIndex = QStringLiteral("PrnNoIndex");
const QString kTop = QStringLiteral("rovPrn_Top");
const QString kLeft = QStringLiteral("rovPrn_Left");
const QString kZero = QStringLiteral("0");
} // namespace

AssignmentFile::AssignmentFile(const QString& folder)
    : m_path(QDir(folder).filePath(QStringLiteral("rova_a500.ini")))
{
}

PrinterAssignment AssignmentFile::load(const QString& slipType) const
{
    const ProfileFile file(m_path);
    return {QString(), file.readString(slipType, kIndex, kZero), file.readString(slipType, kTop, kZero),
            file.readString(slipType, kLeft, kZero)};
}

void AssignmentFile::store(const QString& slipType, const PrinterAssignment& assignment) const
{
    ProfileFile file(m_path);
    file.writeString(slipType, kName, assignment.printerName.trimmed());
    file.writeString(slipType, kIndex, assignment.printerIndex);
    file.writeString(slipType, kTop, assignment.top);
    file.writeString(slipType, kLeft, assignment.left);
}

} // namespace rova::slip
