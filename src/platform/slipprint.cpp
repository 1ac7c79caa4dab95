#include "platform/slipprint.h"

#include "rules/sliprenderer.h"

namespace rova::print
{

QString slipJobTitle()
{
    return QStringLiteral("rova_Yamato");
}

void printSlips(const QList<slip::SlipValues>& slips, slip::PrintSettings settings, PrinterChoice& printers)
{
    if (slips.isEmpty())
        return;
    settings.resolution = printers.printResolution();
    const std::unique_ptr<Job> job =
        printers.system().begin(printers.currentName(), printers.deviceMode(), slipJobTitle());
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
