#include "platform/print/pdf/pdfproposal.h"

#include "rules/files/pdffilename.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rova::print
{

namespace
{
QString defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

PdfProposal::PdfProposal(const QString& dataFolder) : m_settings(std::in_place, dataFolder) {}

QString PdfProposal::path(const QDateTime& printed, const QString& addressee) const
{
    const QString remembered = m_settings ? m_settings->lastPdfFolder() : QString();
    const QString folder =
        !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : defaultFolder();
    return QDir(folder).filePath(pdfFileName(printed, addressee));
}

void PdfProposal::saved(const QString& filePath)
{
    if (m_settings)
        m_settings->setLastPdfFolder(QFileInfo(filePath).absolutePath());
}

} // namespace rova::print
