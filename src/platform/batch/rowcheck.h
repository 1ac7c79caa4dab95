// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one check of a batch row, wherever the row comes from (an import, the entry window, a row
// written back or given another slip type): the marks of the slip's own values, values that run
// into each other on its slip type's form as that printer takes the page, and a postal code that
// does not match its address. Each slip type's printer is asked once per check, not per row.

#include "platform/batch/batchprint.h"
#include "platform/print/slipjobs.h"
#include "rules/orders/marks.h"
#include "rules/postal/index.h"
#include "rules/slip/slipoverlaps.h"

#include <QDate>
#include <QHash>
#include <QStringList>

#include <memory>
#include <optional>

namespace rova::batch
{

class RowCheck
{
public:
    // Pages are asked of `jobs` with the settings `settingsOf` gives a slip type. `postal` is the
    // dictionary in use; without one no postal code is checked. `today` decides what is past.
    RowCheck(const QDate& today, print::SlipJobs& jobs, SettingsOf settingsOf,
             std::shared_ptr<const postal::Index> postal);

    // Every mark the slip deserves, in the order of the codes. A printer that cannot be asked leaves
    // the overlap out and is noted in notChecked().
    QList<orders::Mark> marks(const slip::SlipValues& slip);
    // The marks of a slip an import made, which checked its own values already: `imported` with the
    // overlap and postal marks added.
    QList<orders::Mark> importedMarks(const slip::SlipValues& slip, const QList<orders::Mark>& imported);

    // One line per slip type whose overlaps could not be looked for, naming it and why.
    const QStringList& notChecked() const { return m_notChecked; }

private:
    struct Form {
        slip::PrintSettings settings;
        std::optional<print::PageSetup> page; // none when the printer could not be asked
    };
    const Form& formOf(const QString& slipType);
    // Values running into each other on the form, a postal code that does not match its address.
    QList<orders::Mark> formMarks(const slip::SlipValues& slip);

    QDate m_today;
    print::SlipJobs& m_jobs;
    SettingsOf m_settingsOf;
    std::shared_ptr<const postal::Index> m_postal;
    QHash<QString, Form> m_forms;
    slip::TextCells m_cells;
    QStringList m_notChecked;
};

} // namespace rova::batch
