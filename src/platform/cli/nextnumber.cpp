// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cli/nextnumber.h"

#include "platform/store/trackingstacks.h"
#include "platform/system/programinfo.h"
#include "rules/errors.h"
#include "rules/files/profile.h"
#include "rules/files/settingsfile.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/trackingnumber.h"

#include <QDir>

namespace rova::cli
{

QString lastSlipType(const QString& folder)
{
    Settings settings;
    try {
        settings.load(ProfileFile(QDir(folder).filePath(Settings::fileName())));
    } catch (const Error&) {
        // An unreadable settings file leaves the defaults, as the window starts with them.
    }
    return slip::slipTypes().value(settings.comboBoxSel, slip::slipTypes().first());
}

int registerNextNumber(const Request& request, const QString& folder)
{
    const QString type = request.slipType.isEmpty() ? lastSlipType(folder) : request.slipType;
    try {
        store::TrackingStacks(folder).setNext(type, request.nextNumber);
    } catch (const Error& e) {
        print(stderr, QStringLiteral("%1: %2\n").arg(programinfo::command(), e.message()));
        return Failure;
    }
    print(stdout, QStringLiteral("「%1」の次の伝票番号を %2 にしました\n")
                      .arg(type, tracking::display(request.nextNumber)));
    return Success;
}

} // namespace rova::cli
