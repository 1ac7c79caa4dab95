// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CUPS job: drawn into a PDF document of one page per slip, submitted through libcups on end().

#include "platform/print/pdf/pdfdocument.h"
#include "platform/print/printsystem.h"

#include <QByteArray>
#include <QList>
#include <QPair>

namespace rova::print
{

// Everything the submission needs besides the page.
struct CupsTicket {
    QString destination; // "queue" or "queue/instance"
    QString title;
    QList<QPair<QByteArray, QByteArray>> options;
};

class CupsJob : public Job
{
public:
    CupsJob(const Paper& paper, QPoint dotsPerInch, CupsTicket ticket);

    Canvas& canvas() override { return m_document.canvas(); }
    void newPage() override { m_document.newPage(); }
    // Raises rova::Error with CUPS's message when the destination is stopped, gone or refuses the job.
    void end() override;
    void abort() override;

private:
    PdfDocument m_document;
    CupsTicket m_ticket;
};

// Submits a finished PDF document; raises rova::Error as CupsJob::end() describes.
void submitToCups(const CupsTicket& ticket, const QByteArray& pdf);

} // namespace rova::print
