// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the batch window: added from the entry window, loaded into it for correction and
// written back, deleted, ticked, and given another slip type.

#include "widgets/batch/batchwindow.h"

#include "widgets/batch/batchmodel.h"
#include "widgets/entry/slipentry.h"
#include "widgets/kit/dialogs.h"

#include "platform/batch/batchimport.h"

#include <QComboBox>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

using rova::Dialogs;
using rova::store::BatchRow;

void BatchWindow::addFromMain()
{
    if (!ensureList())
        return;
    BatchRow row;
    row.slip = m_main.slipValues();
    rova::batch::RowCheck check = rowCheck();
    row.marks = rova::batch::checkedMarks(row.slip, check);
    if (!m_list->duplicates({row}).isEmpty() &&
        !Dialogs::ask(this, QStringLiteral("同じお届け先と品名の行がすでに一覧にあります。追加しますか?")))
        return;
    m_list->add({row});
    refresh();
    m_table->selectRow(m_model->rowCount() - 1);
    say(QStringLiteral("1 行を追加しました。"), check);
}

void BatchWindow::loadCurrent()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        throw rova::Error(QStringLiteral("開く行を選んでください。"));
    const BatchRow& row = m_model->row(current.row());
    m_loadedId = row.id;
    m_main.showSlip(row.slip);
    m_main.comeForward();
    say(QStringLiteral("%1 行目を入力画面に開きました。直したら「戻す」で一覧に戻します。")
            .arg(current.row() + 1));
}

void BatchWindow::writeBack()
{
    if (!ensureList())
        return;
    if (m_loadedId == 0)
        throw rova::Error(
            QStringLiteral("戻す行がありません。先に行を Enter かダブルクリックで開いてください。"));
    rova::slip::SlipValues slip = m_main.slipValues();
    // The entry window has no place for the marketplace order: the row keeps the one it came with.
    for (const BatchRow& row : m_model->rows()) {
        if (row.id == m_loadedId)
            slip.order = row.slip.order;
    }
    rova::batch::RowCheck check = rowCheck();
    m_list->updateSlip(m_loadedId, slip, rova::batch::checkedMarks(slip, check));
    refresh();
    for (int i = 0; i < m_model->rowCount(); ++i) {
        if (m_model->row(i).id == m_loadedId)
            m_table->selectRow(i);
    }
    say(QStringLiteral("入力画面の送り状を一覧に戻しました。"), check);
}

void BatchWindow::deleteSelected()
{
    if (!ensureList())
        return;
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty())
        throw rova::Error(QStringLiteral("削除する行を選んでください。"));
    if (!Dialogs::ask(this, QStringLiteral("選んだ %1 行を一覧から削除しますか?").arg(ids.size())))
        return;
    m_list->remove(ids);
    if (ids.contains(m_loadedId))
        m_loadedId = 0;
    refresh();
    say(QStringLiteral("%1 行を削除しました。").arg(ids.size()));
}

void BatchWindow::tickSelected(bool ticked)
{
    if (!ensureList())
        return;
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty())
        throw rova::Error(QStringLiteral("行を選んでください。"));
    if (!m_model->tick(ids, ticked))
        refresh();
}

void BatchWindow::releaseSelected()
{
    if (!ensureList())
        return;
    const QList<qint64> ids = selectedIds(); // in list order, so by id
    if (ids.isEmpty())
        throw rova::Error(QStringLiteral("行を選んでください。"));
    const QDateTime now = QDateTime::currentDateTime();
    QList<qint64> held;
    QStringList stations;
    for (const BatchRow& row : m_model->rows()) {
        if (!std::ranges::binary_search(ids, row.id) || row.status == rova::store::BatchStatus::Printed ||
            !row.claimHeld(now))
            continue;
        held << row.id;
        if (!stations.contains(row.claimedBy))
            stations << row.claimedBy;
    }
    if (held.isEmpty())
        throw rova::Error(QStringLiteral("選んだ行を印刷中の端末はありません。"));
    const QString names = stations.join(QStringLiteral("、"));
    // A station that is still printing would print these rows a second time.
    if (!Dialogs::ask(this,
                      QStringLiteral("%1 行を %2 が印刷中です。解除しますか?\n"
                                     "%2 がまだ印刷していると、同じ送り状が二度印刷されることがあります。")
                          .arg(held.size())
                          .arg(names),
                      Dialogs::Answer::No))
        return;
    m_list->forceRelease(held);
    refresh();
    say(QStringLiteral("%1 行を解除しました。").arg(held.size()));
}

void BatchWindow::changeSlipType()
{
    if (!ensureList())
        return;
    const QString type = m_slipType->currentText();
    const int changed = m_list->setSlipTypeOfTicked(type);
    // The new form may have no place for a value, or other values may run into each other on it.
    rova::batch::RowCheck check = rowCheck();
    for (const BatchRow& row : m_list->rows()) {
        if (!row.ticked || row.status == rova::store::BatchStatus::Printed || row.slip.slipType != type)
            continue;
        const auto marks = rova::batch::importMarks(row.marks) + rova::batch::checkedMarks(row.slip, check);
        if (marks != row.marks)
            m_list->updateSlip(row.id, row.slip, marks);
    }
    refresh();
    say(QStringLiteral("%1 行の送り状種類を「%2」にしました。").arg(changed).arg(type), check);
}
