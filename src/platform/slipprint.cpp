#include "platform/slipprint.h"

#include "rules/sliprenderer.h"

#include <algorithm>

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
} // namespace

void printSlips(const QList<slip::SlipValues>& slips, slip::PrintSettings settings, PrinterChoice& printers)
{
    if (slips.isEmpty())
        return;
    settings.resolution = printers.printResolution();
    const std::unique_ptr<Job> job = printers.system().begin(printers.currentName(), printers.deviceMode(),
                                                             {slipJobTitle(), commonAddressee(slips)});
    try {
        for (qsizetype i = 0; i < slips.size(); ++i) {
            if (i > 0)
                job->newPage();
            slip::renderSlip(job->canvas(), slips.at(i), settings);
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

} // namespace rova::print
