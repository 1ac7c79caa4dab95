// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/cups/cupsjob.h"

#include "platform/print/cups/cupsdestinations.h"
#include "rules/errors.h"

namespace rova::print
{

namespace
{

constexpr int stoppedState = 5; // IPP printer-state "stopped"

class Options
{
public:
    explicit Options(const QList<QPair<QByteArray, QByteArray>>& pairs)
    {
        for (const auto& [name, value] : pairs)
            m_count = cupsAddOption(name.constData(), value.constData(), m_count, &m_options);
    }
    ~Options() { cupsFreeOptions(m_count, m_options); }
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;
    int count() const { return m_count; }
    cups_option_t* data() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

[[noreturn]] void fail(const QString& destination, const QString& message)
{
    throw Error(QStringLiteral("%1 に印刷できません: %2").arg(destination, message));
}

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// The operator's reason for stopping the queue (cupsdisable -r), else CUPS's state keywords.
QString stopReason(const cups_dest_t& dest)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 cupsGetOption("printer-uri-supported", dest.num_options, dest.options));
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t* message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    QString reason = QString::fromUtf8(message ? ippGetString(message, 0, nullptr) : nullptr);
    ippDelete(response);
    return reason.isEmpty() ? CupsDestList::option(dest, "printer-state-reasons") : reason;
}

void checkReady(const cups_dest_t& dest, const QString& destination)
{
    // A stopped queue would keep the job until someone resumes it; the operator must know now.
    if (CupsDestList::option(dest, "printer-state").toInt() == stoppedState)
        throw Error(QStringLiteral("%1 は停止しています: %2").arg(destination, stopReason(dest)));
}

} // namespace

CupsJob::CupsJob(const Paper& paper, QPoint dotsPerInch, CupsTicket ticket)
    : m_document(paper, dotsPerInch, ticket.title), m_ticket(std::move(ticket))
{
}

void CupsJob::end()
{
    submitToCups(m_ticket, m_document.finish());
}

void CupsJob::abort()
{
    m_document.discard();
}

void submitToCups(const CupsTicket& ticket, const QByteArray& pdf)
{
    http_t* http = CUPS_HTTP_DEFAULT;
    const CupsNamedDest named(ticket.destination);
    cups_dest_t* dest = named.get();
    if (!dest)
        throw Error(QStringLiteral("プリンタ %1 が見つかりません").arg(ticket.destination));
    checkReady(*dest, ticket.destination);
    const CupsDestInfo info(cupsCopyDestInfo(http, dest));
    if (!info)
        fail(ticket.destination, lastCupsError());

    const Options options(ticket.options);
    const QByteArray title = ticket.title.toUtf8();
    int jobId = 0;
    if (cupsCreateDestJob(http, dest, info.get(), &jobId, title.constData(), options.count(),
                          options.data()) > IPP_STATUS_OK_EVENTS_COMPLETE ||
        jobId <= 0)
        fail(ticket.destination, lastCupsError());

    if (cupsStartDestDocument(http, dest, info.get(), jobId, title.constData(), CUPS_FORMAT_PDF, 0, nullptr,
                              1) != HTTP_STATUS_CONTINUE) {
        const QString message = lastCupsError();
        cupsCancelDestJob(http, dest, jobId);
        fail(ticket.destination, message);
    }
    const bool written =
        cupsWriteRequestData(http, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // The request is finished even after a failed write, so that CUPS's answer is read.
    const bool accepted = cupsFinishDestDocument(http, dest, info.get()) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    if (written && accepted)
        return;
    const QString message = lastCupsError();
    cupsCancelDestJob(http, dest, jobId);
    fail(ticket.destination, message);
}

} // namespace rova::print
