// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document rendered to PDF in memory, one full sheet of the chosen paper per page, drawn in
// printer dots counted from the top-left corner of the paper's printable area.

#include "platform/print/printsystem.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace rova::print
{

class PdfDocument
{
public:
    // Raises rova::Error when the first page cannot be started.
    PdfDocument(const Paper& paper, QPoint dotsPerInch, const QString& title);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    Canvas& canvas();
    // Starts the next page of the same paper; raises rova::Error after finish() or discard().
    void newPage();
    // Closes the last page and returns the document, once; raises rova::Error when called again.
    QByteArray finish();
    // Drops the document; nothing can be finished afterwards.
    void discard() noexcept;

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QPdfWriter m_writer;
    QPainter m_painter;
    std::unique_ptr<Canvas> m_canvas;
    bool m_closed = false;
};

} // namespace rova::print
