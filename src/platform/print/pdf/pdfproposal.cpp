// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/pdf/pdfproposal.h"

#include "rules/files/pdffilename.h"

#include <QDir>
#include <QFileInfo>

namespace rova::print
{

PdfProposal::PdfProposal(const QString& dataFolder) : m_settings(std::in_place, dataFolder) {}

QString PdfProposal::path(const QDateTime& printed, const QString& addressee) const
{
    const QString folder =
        m_settings ? m_settings->startFolder(FileKind::Pdf) : ProgramSettings::defaultFolder();
    return QDir(folder).filePath(pdfFileName(printed, addressee));
}

void PdfProposal::saved(const QString& filePath)
{
    if (m_settings)
        m_settings->setLastFolder(FileKind::Pdf, QFileInfo(filePath).absolutePath());
}

} // namespace rova::print
