#pragma once
// One page rendered to PDF in memory: the full sheet of the chosen paper, drawn in printer dots
// counted from the top-left corner of the paper's printable area.

#include "platform/printsystem.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace rova::print
{

class PdfPage
{
public:
    // Raises rova::Error when the page cannot be started.
    PdfPage(const Paper& paper, QPoint dotsPerInch, const QString& title);
    ~PdfPage();
    PdfPage(const PdfPage&) = delete;
    PdfPage& operator=(const PdfPage&) = delete;

    Canvas& canvas();
    // Closes the page and returns the document, once; raises rova::Error when called again.
    QByteArray finish();
    // Drops the page; nothing can be finished afterwards.
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
