// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/printer/printerwatch.h"

#include "platform/print/printerchoice.h"
#include "widgets/kit/dialogs.h"

#include <QGuiApplication>

namespace rova
{

void checkPrintersOnActivation(print::PrinterChoice& printers)
{
    // Connected to the model, so the connection ends with it.
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &printers,
                     [&printers](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             guarded(nullptr, [&printers] { printers.checkForChanges(); });
                     });
}

} // namespace rova
