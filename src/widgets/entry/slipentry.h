// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the other windows see it: the slip it holds, the folder and print service it
// works with, its function keys, its print question and its status line. Its controls stay its own.

#include "rules/slip/printsettings.h"
#include "rules/slip/slipvalues.h"

#include <QStringList>

#include <functional>

class QStatusBar;

namespace rova::print
{
class SlipJobs;
struct PageSetup;
} // namespace rova::print

class SlipEntry
{
public:
    virtual ~SlipEntry() = default;

    // The slip as it stands in the controls.
    virtual rova::slip::SlipValues slipValues() const = 0;
    // The current slip type's print settings, as registered.
    virtual const rova::slip::PrintSettings& printSettings() const = 0;
    // Puts a slip into the controls: its slip type first (which switches printer, margins and
    // controls as choosing it does), then every value.
    virtual void showSlip(const rova::slip::SlipValues& slip) = 0;
    // Restores the window if minimised, raises and activates it.
    virtual void comeForward() = 0;

    // The folder of the window's files, and the service every print goes through.
    virtual QString folder() const = 0;
    virtual rova::print::SlipJobs& jobs() = 0;

    // A function key of the bar: its caption, and what it runs, from whatever control has the focus
    // and from a click on its button. Bound keys are enabled whenever the window is shown.
    virtual void setFunctionKey(int number, const QString& caption, std::function<void()> handler) = 0;

    // Lines the print question adds under "印刷しますか?", one per thing the operator should look at
    // before a form is spent (values that run into each other, a postal code that does not match),
    // on the page the slip type's printer takes (null when that printer cannot be asked).
    using PrintCheck = std::function<QStringList(
        const rova::slip::SlipValues&, const rova::slip::PrintSettings&, const rova::print::PageSetup*)>;
    virtual void addPrintCheck(PrintCheck check) = 0;
    virtual QStringList printWarnings(const rova::slip::SlipValues& slip,
                                      const rova::slip::PrintSettings& settings,
                                      const rova::print::PageSetup* page) const = 0;

    // The line under the function keys that says what happened (a job accepted, a failure to record).
    virtual QStatusBar& statusLine() const = 0;
};
