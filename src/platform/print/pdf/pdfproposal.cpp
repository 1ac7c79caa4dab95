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
    // A name taken already (a slip to the same addressee saved in the same minute, or the next part
    // of a batch) is not proposed again: the command line takes the proposal as it is.
    const QDir dir(folder);
    const QString name = pdfFileName(printed, addressee);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1_%2.pdf").arg(name.chopped(4), QString::number(n)));
    return path;
}

void PdfProposal::saved(const QString& filePath)
{
    if (m_settings)
        m_settings->setLastFolder(FileKind::Pdf, QFileInfo(filePath).absolutePath());
}

} // namespace rova::print
