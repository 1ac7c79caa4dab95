// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/batch/rowcheck.h"

#include "platform/print/pageoverlaps.h"
#include "rules/errors.h"
#include "rules/postal/slipcheck.h"

#include <algorithm>

namespace rova::batch
{

RowCheck::RowCheck(const QDate& today, print::SlipJobs& jobs, SettingsOf settingsOf,
                   std::shared_ptr<const postal::Index> postal)
    : m_today(today), m_jobs(jobs), m_settingsOf(std::move(settingsOf)), m_postal(std::move(postal))
{
}

const RowCheck::Form& RowCheck::formOf(const QString& slipType)
{
    if (const auto found = m_forms.constFind(slipType); found != m_forms.constEnd())
        return *found;
    Form form;
    try {
        form.settings = m_settingsOf(slipType);
        form.page = m_jobs.pageSetup(form.settings, slipType);
    } catch (const Error& e) {
        // The print itself reports the printer; the rows are kept without this one mark.
        m_notChecked << QStringLiteral("送り状種類「%1」の文字の重なりは確かめていません: %2")
                            .arg(slipType, e.message().section(u'\n', 0, 0));
    }
    return *m_forms.insert(slipType, form);
}

QList<orders::Mark> RowCheck::formMarks(const slip::SlipValues& slip)
{
    QList<orders::Mark> found;
    const Form& form = formOf(slip.slipType);
    if (form.page) {
        if (const QStringList lines = print::overlapsOnPage(slip, form.settings, *form.page, &m_cells);
            !lines.isEmpty())
            found << orders::mark(orders::MarkCode::Overlap, lines.join(u'、'));
    }
    if (m_postal) {
        if (const QStringList lines = postal::slipWarnings(*m_postal, slip); !lines.isEmpty())
            found << orders::mark(orders::MarkCode::PostalCodeMismatch, lines.join(u'、'));
    }
    return found;
}

QList<orders::Mark> RowCheck::marks(const slip::SlipValues& slip)
{
    return orders::checkSlip(slip, m_today) + formMarks(slip);
}

QList<orders::Mark> RowCheck::importedMarks(const slip::SlipValues& slip, const QList<orders::Mark>& imported)
{
    QList<orders::Mark> marks = imported;
    for (const orders::Mark& m : formMarks(slip)) {
        if (std::none_of(imported.begin(), imported.end(),
                         [&](const orders::Mark& i) { return i.code == m.code; }))
            marks << m;
    }
    return marks;
}

} // namespace rova::batch
