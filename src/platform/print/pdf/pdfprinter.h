// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/print/pdf: the built-in PDF printer.
//
// The built-in PDF printer, listed after every system printer so that a machine without printers
// can still print: the page is saved as a PDF file the operator names.

#include "platform/print/pdf/pdfproposal.h"
#include "platform/print/printsystem.h"

#include <functional>

namespace rova::print
{

class PdfPrinter : public PrintSystem
{
public:
    // Asks the operator where to save, proposing a path; an empty answer cancels.
    using FileQuestion = std::function<QString(const QString& proposedPath)>;

    PdfPrinter(FileQuestion askFile, PdfProposal proposal);

    static QString name(); // "PDF ファイル"

    QList<Destination> destinations() override;
    // Always 0: it stands in as the default when the system has none.
    int defaultDestination() override;
    Capabilities capabilities(const QString& name) override;
    // end() asks for the file, proposing what the proposal gives for the job's addressee, writes
    // every page into it and then has the proposal remember the folder. When the operator cancels,
    // end() writes nothing.
    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const JobTitle& title) override;

private:
    FileQuestion m_askFile;
    PdfProposal m_proposal;
};

} // namespace rova::print
