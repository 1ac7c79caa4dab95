// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/batch/batchprint.h"

#include "rules/errors.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>

#include <exception>
#include <optional>

namespace rova::batch
{

namespace
{
// Slips printed with the same settings can share one job; the printer's name is for readers only.
bool sameJob(const slip::PrintSettings& a, const slip::PrintSettings& b)
{
    return a.printerIndex == b.printerIndex && a.top == b.top && a.left == b.left &&
           a.resolution == b.resolution;
}
} // namespace

QString BatchOutcome::takenText() const
{
    return batch::takenText(taken);
}

QString takenText(int taken)
{
    return taken == 0 ? QString()
                      : QStringLiteral("%1 枚は他の端末が印刷中か印刷済みのため除きました。").arg(taken);
}

QString BatchOutcome::unmarkedText() const
{
    if (unmarked.isEmpty())
        return QString();
    return QStringLiteral(
               "%1 枚は印刷しましたが、一覧に印刷済みと記録できませんでした: %2\n"
               "もう一度印刷しないよう、データベースが応答したらこの %1 枚のチェックを外してください。")
        .arg(unmarked.size())
        .arg(storeFailure);
}

QList<BatchJob> planJobs(const QList<store::BatchRow>& rows, const SettingsOf& settingsOf, bool includeMarked)
{
    QList<BatchJob> jobs;
    QHash<QString, slip::PrintSettings> known;
    for (const store::BatchRow& row : rows) {
        if (!row.ticked || row.status == store::BatchStatus::Printed ||
            (!includeMarked && !row.marks.isEmpty()))
            continue;
        auto found = known.constFind(row.slip.slipType);
        if (found == known.constEnd())
            found = known.insert(row.slip.slipType, settingsOf(row.slip.slipType));
        auto job = std::find_if(jobs.begin(), jobs.end(),
                                [&](const BatchJob& j) { return sameJob(j.settings, *found); });
        if (job == jobs.end())
            job = jobs.insert(jobs.end(), BatchJob{*found, {}, {}});
        job->ids.append(row.id);
        job->slips.append(row.slip);
    }
    return jobs;
}

int slipCount(const QList<BatchJob>& jobs)
{
    int count = 0;
    for (const BatchJob& job : jobs)
        count += int(job.slips.size());
    return count;
}

namespace
{
// Claims, prints and marks one part of a job; false when the batch stops there.
bool printPart(const BatchJob& job, qsizetype from, print::SlipJobs& service, store::BatchList& list,
               BatchOutcome& outcome)
{
    const QList<qint64> part = job.ids.mid(from, kSlipsPerPart);
    // Only the rows no other station printed or is printing go into the job.
    const QList<qint64> ids = list.claim(part);
    QList<slip::SlipValues> slips;
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (ids.contains(part[i]))
            slips.append(job.slips[from + i]);
    }
    outcome.taken += int(part.size() - ids.size());
    if (ids.isEmpty())
        return true;
    std::optional<QString> refusal;
    print::PrintedJob printed;
    try {
        printed = service.print(slips, job.settings);
    } catch (const Error& e) {
        refusal = e.message();
    } catch (const std::exception& e) {
        refusal = QString::fromLocal8Bit(e.what());
    }
    if (refusal) {
        outcome.refusal = refusal->isEmpty() ? QStringLiteral("印刷できませんでした") : *refusal;
        list.markRefused(ids, outcome.refusal, QDateTime::currentDateTime());
        return false;
    }
    if (const QString summary = print::numbersSummary(printed); !summary.isEmpty())
        outcome.numbers << summary;
    outcome.printed += int(slips.size());
    const QDateTime printedAt = QDateTime::currentDateTime();
    try {
        list.markPrinted(ids, printedAt, printed.numbers);
    } catch (const Error& e) {
        // The store went away after the job was sent: the caller says so or marks them later.
        outcome.unmarked = ids;
        outcome.unmarkedPrintedAt = printedAt;
        outcome.unmarkedNumbers = printed.numbers;
        outcome.storeFailure = e.message();
        return false;
    }
    return true;
}
} // namespace

BatchOutcome printJobs(const QList<BatchJob>& jobs, print::SlipJobs& service, store::BatchList& list,
                       const std::function<bool(int done, int total)>& progress)
{
    BatchOutcome outcome;
    outcome.total = slipCount(jobs);
    for (const BatchJob& job : jobs) {
        for (qsizetype from = 0; from < job.ids.size(); from += kSlipsPerPart) {
            if (!progress(outcome.printed, outcome.total)) {
                outcome.cancelled = true;
                return outcome;
            }
            if (!printPart(job, from, service, list, outcome))
                return outcome;
        }
    }
    progress(outcome.printed, outcome.total);
    return outcome;
}

} // namespace rova::batch
