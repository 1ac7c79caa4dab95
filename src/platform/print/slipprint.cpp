// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/slipprint.h"

#include "platform/print/pagesetup.h"
#include "rules/slip/sliprenderer.h"

#include <algorithm>
#include <functional>

namespace rova::print
{

QString slipJobTitle()
{
    return QStringLiteral("rova_Yamato");
}

namespace
{
// The one destination all the slips go to; empty when they go to several.
QString commonAddressee(const QList<slip::SlipValues>& slips)
{
    const QString first = slips.first().name;
    const bool same =
        std::all_of(slips.cbegin(), slips.cend(), [&](const slip::SlipValues& s) { return s.name == first; });
    return same ? first : QString();
}

// One job of pages on the current printer: drawn, then handed over, or discarded when drawing fails.
void printPages(PrinterChoice& printers, const JobTitle& title, qsizetype pages,
                const std::function<void(Canvas&, qsizetype)>& draw)
{
    const std::unique_ptr<Job> job =
        printers.system().begin(printers.currentName(), printers.deviceMode(), title);
    try {
        for (qsizetype i = 0; i < pages; ++i) {
            if (i > 0)
                job->newPage();
            draw(job->canvas(), i);
        }
    } catch (...) {
        // The drawing error is the one the operator must see, whatever discarding the job says.
        try {
            job->abort();
        } catch (...) {
        }
        throw;
    }
    job->end();
}

} // namespace

void printSlips(const QList<slip::SlipValues>& slips, slip::PrintSettings settings, PrinterChoice& printers)
{
    if (slips.isEmpty())
        return;
    settings.resolution = printers.printResolution();
    printPages(printers, {slipJobTitle(), commonAddressee(slips)}, slips.size(),
               [&](Canvas& canvas, qsizetype i) { slip::renderSlip(canvas, slips.at(i), settings); });
}

void printAlignmentSheet(slip::AlignmentSheet sheet, PrinterChoice& printers)
{
    sheet.printer = printers.currentName();
    sheet.settings.resolution = printers.printResolution();
    sheet.printable = printableArea(printers, sheet.settings.resolution);
    printPages(printers, {slipJobTitle() + QStringLiteral(" テスト印刷")}, 1,
               [&](Canvas& canvas, qsizetype) { slip::renderAlignmentSheet(canvas, sheet); });
}

} // namespace rova::print
