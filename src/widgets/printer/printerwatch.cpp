// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/printer/printerwatch.h"

#include "platform/print/printerchoice.h"
#include "widgets/kit/dialogs.h"

#include <QElapsedTimer>
#include <QGuiApplication>

namespace rova
{

namespace
{
// How long after start the list read then stands for the first activation's reading.
constexpr qint64 kStillFreshMs = 5000;
} // namespace

void checkPrintersOnActivation(print::PrinterChoice& printers, bool listJustRead)
{
    QElapsedTimer sinceRead;
    if (listJustRead)
        sinceRead.start();
    // Connected to the model, so the connection ends with it.
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &printers,
                     [&printers, sinceRead](Qt::ApplicationState state) mutable {
                         if (state != Qt::ApplicationActive)
                             return;
                         const bool fresh = sinceRead.isValid() && !sinceRead.hasExpired(kStillFreshMs);
                         sinceRead.invalidate();
                         if (!fresh)
                             guarded(nullptr, [&printers] { printers.checkForChanges(); });
                     });
}

} // namespace rova
