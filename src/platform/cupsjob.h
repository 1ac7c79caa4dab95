#pragma once
// A one-page CUPS job: drawn into a PDF page, submitted through libcups on end().

#include "platform/pagerender.h"
#include "platform/printsystem.h"

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

    Canvas& canvas() override { return m_page.canvas(); }
    // Raises rova::Error with CUPS's message when the destination is stopped, gone or refuses the job.
    void end() override;
    void abort() override;

private:
    PdfPage m_page;
    CupsTicket m_ticket;
};

// Submits a finished PDF document; raises rova::Error as CupsJob::end() describes.
void submitToCups(const CupsTicket& ticket, const QByteArray& pdf);

} // namespace rova::print
