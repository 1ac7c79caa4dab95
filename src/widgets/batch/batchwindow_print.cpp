// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the batch: the ticked rows not yet printed, a job per printer, with progress and a
// cancel between jobs. The question before printing names how many slips carry a mark.

#include "widgets/batch/batchwindow.h"

#include "widgets/batch/batchmodel.h"
#include "widgets/entry/slipentry.h"
#include "widgets/kit/dialogs.h"

#include "widgets/printer/trackingnumberdialog.h"

#include "platform/batch/batchimport.h"
#include "platform/batch/batchprint.h"
#include "platform/store/trackingstacks.h"
#include "rules/files/assignmentfile.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/trackingnumber.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QMap>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTableView>

using rova::Dialogs;

void BatchWindow::print()
{
    if (!ensureList())
        return;
    refresh();
    const rova::slip::AssignmentFile assignments(m_main.folder());
    const auto settingsOf = [&](const QString& type) { return assignments.load(type); };
    // Rows a station holds now are left to it: the question counts only what this one may print,
    // and names the rest as the outcome would. The claim still decides when the job is sent.
    const QDateTime now = QDateTime::currentDateTime();
    QList<rova::store::BatchRow> free;
    int held = 0;
    for (const rova::store::BatchRow& row : m_model->rows()) {
        if (row.ticked && row.status != rova::store::BatchStatus::Printed && row.claimHeld(now))
            ++held;
        else
            free << row;
    }
    const QList<rova::batch::BatchJob> jobs = rova::batch::planJobs(free, settingsOf, true);
    const int total = rova::batch::slipCount(jobs);
    const QString heldText = held == 0 ? QString() : QLatin1Char('\n') + rova::batch::takenText(held);
    if (total == 0)
        throw rova::Error(
            QStringLiteral("印刷する行がありません。印刷済みでない行にチェックを付けてください。") +
            heldText);
    const QString marked = markedSummary(free);
    // A marked slip printed by a hasty Enter is a wasted form or a parcel gone wrong.
    if (!Dialogs::ask(this, QStringLiteral("%1 枚を印刷しますか?").arg(total) + heldText + marked,
                      marked.isEmpty() ? Dialogs::Answer::Yes : Dialogs::Answer::No))
        return;

    setPrinting(true);
    m_progress->setRange(0, total);
    rova::batch::BatchOutcome outcome;
    try {
        outcome = rova::batch::printJobs(jobs, m_main.jobs(), *m_list, [this](int done, int) {
            m_progress->setValue(done);
            // The cancel button is read between jobs.
            QApplication::processEvents();
            return !m_cancel;
        });
    } catch (...) {
        setPrinting(false);
        refresh();
        throw;
    }
    setPrinting(false);
    refresh();
    // The rows another station took are said apart from those not printed.
    const auto withTaken = [&outcome](const QString& text) {
        const QString taken = outcome.takenText();
        return taken.isEmpty() ? text : text + QLatin1Char('\n') + taken;
    };
    if (!outcome.unmarked.isEmpty())
        throw rova::Error(withTaken(outcome.unmarkedText()));
    if (!outcome.refusal.isEmpty())
        throw rova::Error(withTaken(
            QStringLiteral("印刷できませんでした: %1\n%2 枚を印刷し、残りの %3 枚は印刷していません。")
                .arg(outcome.refusal, QString::number(outcome.printed),
                     QString::number(outcome.notPrinted()))));
    if (outcome.cancelled)
        Dialogs::tell(
            this,
            withTaken(QStringLiteral("印刷を中止しました。%1 枚を印刷し、残りの %2 枚は印刷していません。")
                          .arg(outcome.printed)
                          .arg(outcome.notPrinted())));
    else
        say((QStringList{QStringLiteral("%1 枚を印刷しました。").arg(outcome.printed) + outcome.takenText()} +
             outcome.numbers)
                .join(QStringLiteral("　")));
}

QString BatchWindow::markedSummary(const QList<rova::store::BatchRow>& rows) const
{
    int marked = 0;
    QMap<QString, int> reasons; // a mark's standing text and how many rows have it
    for (const rova::store::BatchRow& row : rows) {
        if (!row.ticked || row.status == rova::store::BatchStatus::Printed || row.marks.isEmpty())
            continue;
        ++marked;
        QSet<QString> ofRow;
        for (const rova::store::BatchMark& m : row.marks)
            ofRow.insert(rova::batch::markCaption(m.code));
        for (const QString& reason : ofRow)
            ++reasons[reason];
    }
    if (marked == 0)
        return QString();
    QString text = QStringLiteral("\n確認の印がある送り状が %1 枚あります:").arg(marked);
    for (auto it = reasons.cbegin(); it != reasons.cend(); ++it)
        text += QStringLiteral("\n・%1 (%2 枚)").arg(it.key()).arg(it.value());
    return text;
}

void BatchWindow::setPrinting(bool printing)
{
    m_cancel = false;
    m_controls->setEnabled(!printing);
    menuBar()->setEnabled(!printing);
    for (QAction* action : m_table->actions())
        action->setEnabled(!printing);
    m_progress->parentWidget()->setVisible(printing);
}

void BatchWindow::registerNextNumber()
{
    rova::TrackingNumberDialog dialog(this, QStringLiteral("伝票番号"),
                                      QStringLiteral("次の送り状の伝票番号"), rova::slip::slipTypes(),
                                      m_main.slipValues().slipType);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    rova::store::TrackingStacks(m_main.folder()).setNext(dialog.slipType(), dialog.number());
    say(QStringLiteral("%1 の次の伝票番号は %2 です。")
            .arg(dialog.slipType(), rova::tracking::display(dialog.number())));
}
