// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry/nextslipkey.h"

#include "platform/print/slipjobs.h"
#include "rules/slip/nextslip.h"
#include "widgets/entry/mainwindow.h"

namespace rova
{

void bindNextSlip(MainWindow& window)
{
    window.setFunctionKey(3, QStringLiteral("次票"), [&window] {
        window.showSlip(slip::nextSlip(window.slipValues()));
        window.focusDestination();
    });
    QObject::connect(&window.jobs(), &print::SlipJobs::printed, &window,
                     [&window] { window.showHelp(QStringLiteral("F3: 次の送り状")); });
}

} // namespace rova
