#pragma once
// The built-in PDF printer, listed after every system printer so that a machine without printers
// can still print: the page is saved as a PDF file the operator names.

#include "platform/printsystem.h"

#include <functional>

namespace rova::print
{

class PdfPrinter : public PrintSystem
{
public:
    // Asks the operator where to save, proposing a path; an empty answer cancels.
    using FileQuestion = std::function<QString(const QString& proposedPath)>;

    // Proposed files go into the given folder.
    PdfPrinter(FileQuestion askFile, QString folder);

    static QString name(); // "PDF ファイル"

    QList<Destination> destinations() override;
    // Always 0: it stands in as the default when the system has none.
    int defaultDestination() override;
    Capabilities capabilities(const QString& name) override;
    // end() asks for the file, proposing "<title>.pdf" in the folder, and writes every page into
    // it. When the operator cancels, end() returns without writing anything.
    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const QString& title) override;

private:
    FileQuestion m_askFile;
    QString m_folder;
};

} // namespace rova::print
