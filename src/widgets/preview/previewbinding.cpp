// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/preview/previewbinding.h"

#include "platform/print/pageoverlaps.h"
#include "platform/print/slipjobs.h"
#include "rules/errors.h"
#include "widgets/entry/slipentry.h"
#include "widgets/preview/previewwindow.h"

#include <QStatusBar>

namespace rova
{

void bindPreview(SlipEntry& main, PreviewWindow& preview, print::SlipJobs& jobs)
{
    main.addPrintCheck([](const slip::SlipValues& values, const slip::PrintSettings& settings,
                          const print::PageSetup* page) {
        // Without a page the print itself reports the printer that cannot be asked.
        return page ? print::overlapsOnPage(values, settings, *page) : QStringList();
    });
    main.setFunctionKey(9, QStringLiteral("確認"),
                        [&main, &preview] { preview.showSlip(main.slipValues(), main.printSettings()); });
    QStatusBar* status = &main.statusLine();
    QObject::connect(&jobs, &print::SlipJobs::printed, status, [status](const print::PrintedJob& job) {
        const QString numbers = print::numbersSummary(job);
        status->showMessage(QStringLiteral("印刷しました　%1　%2")
                                .arg(job.printer, job.acceptedAt.toString(QStringLiteral("HH:mm:ss"))) +
                            (numbers.isEmpty() ? QString() : QStringLiteral("　") + numbers));
    });
}

} // namespace rova
