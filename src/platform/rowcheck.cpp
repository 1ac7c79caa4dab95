#include "platform/rowcheck.h"

#include "platform/pageoverlaps.h"
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

QStringList RowCheck::overlaps(const slip::SlipValues& slip)
{
    const Form& form = formOf(slip.slipType);
    return form.page ? print::overlapsOnPage(slip, form.settings, *form.page, &m_cells) : QStringList();
}

QList<orders::Mark> RowCheck::marks(const slip::SlipValues& slip, const QList<orders::Mark>& given)
{
    QList<orders::Mark> found = orders::checkSlip(slip, m_today);
    if (const QStringList lines = overlaps(slip); !lines.isEmpty())
        found << orders::mark(orders::MarkCode::Overlap, lines.join(u'、'));
    if (m_postal) {
        if (const QStringList lines = postal::slipWarnings(*m_postal, slip); !lines.isEmpty())
            found << orders::mark(orders::MarkCode::PostalCodeMismatch, lines.join(u'、'));
    }
    QList<orders::Mark> marks = given;
    for (const orders::Mark& m : found) {
        if (std::none_of(given.begin(), given.end(), [&](const orders::Mark& g) { return g.code == m.code; }))
            marks << m;
    }
    return marks;
}

} // namespace rova::batch
