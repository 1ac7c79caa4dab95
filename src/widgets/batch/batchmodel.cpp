// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/batch/batchmodel.h"

#include "rules/orders/timeslot.h"
#include "rules/slip/trackingnumber.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>
#include <QStyle>

#include <algorithm>

using rova::store::BatchRow;
using rova::store::BatchStatus;

namespace
{
QString clockTime(const QDateTime& when)
{
    return when.toLocalTime().toString(QStringLiteral("HH:mm"));
}

// A row not printed yet that a station holds now.
bool beingPrinted(const BatchRow& row)
{
    return row.status != BatchStatus::Printed && row.claimHeld(QDateTime::currentDateTime());
}

QString statusCaption(const BatchRow& row)
{
    if (beingPrinted(row))
        return QStringLiteral("%1 が印刷中 (%2 から)").arg(row.claimedBy, clockTime(row.claimedAt));
    switch (row.status) {
    case BatchStatus::New:
        return QStringLiteral("未印刷");
    case BatchStatus::Printed:
        return QStringLiteral("印刷済");
    case BatchStatus::Refused:
        return QStringLiteral("印刷できず");
    }
    return QString();
}

QString timeCaption(const rova::slip::SlipValues& slip)
{
    const QString slot = rova::orders::timeSlotCaption(slip);
    return slot.isEmpty() ? rova::orders::promisedTimeCaption(slip) : slot;
}

} // namespace

QString BatchModel::marksText(const BatchRow& row)
{
    QStringList lines;
    if (beingPrinted(row))
        lines << QStringLiteral("%1 が %2 から印刷中です。%3 に解除されます。")
                     .arg(row.claimedBy, clockTime(row.claimedAt), clockTime(row.claimLapses()));
    if (row.status == BatchStatus::Refused)
        lines << row.refusal;
    for (const rova::store::BatchMark& m : row.marks)
        lines << m.text;
    return lines.join(u'\n');
}

BatchModel::BatchModel(rova::store::BatchList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(&list)
{
    refresh();
}

void BatchModel::refresh()
{
    // Read before the changes: one committed in between is read again next time, never missed.
    const qint64 revision = m_list->revision();
    if (revision == m_revision) {
        redrawLapsedClaims();
        return;
    }
    const rova::store::BatchChanges changes = m_list->changesAfter(m_revision);
    removeGone(changes.ids);
    takeChanged(changes.rows);
    m_revision = revision;
}

void BatchModel::redrawLapsedClaims()
{
    // A claim lapses without any change to the list: the rows whose claim lapsed since the last look.
    const QDateTime now = QDateTime::currentDateTime();
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const BatchRow& row = m_rows[i];
        if (!row.claimedBy.isEmpty() && row.claimLapses() > m_lapsesSeen && row.claimLapses() <= now)
            emit dataChanged(index(int(i), 0), index(int(i), kColumns - 1));
    }
    m_lapsesSeen = now;
}

bool BatchModel::tick(const QList<qint64>& ids, bool ticked)
{
    const qint64 revision = m_list->setTicked(ids, ticked);
    // Only this change since the last read: the rows are known without reading them again.
    if (revision != m_revision + 1)
        return false;
    m_revision = revision;
    qsizetype first = m_rows.size();
    qsizetype last = -1;
    for (const qint64 id : ids) {
        const qsizetype at = positionOf(id);
        if (at == m_rows.size() || m_rows[at].id != id)
            continue;
        m_rows[at].ticked = ticked;
        first = std::min(first, at);
        last = std::max(last, at);
    }
    // One signal for the span: a thousand rows chosen one by one are redrawn at once.
    if (last >= 0)
        emit dataChanged(index(int(first), Tick), index(int(last), Tick), {Qt::CheckStateRole});
    return true;
}

qsizetype BatchModel::positionOf(qint64 id) const
{
    return std::ranges::lower_bound(m_rows, id, {}, &BatchRow::id) - m_rows.begin();
}

void BatchModel::removeGone(const QList<qint64>& ids)
{
    const auto gone = [&](qsizetype i) { return !std::ranges::binary_search(ids, m_rows[i].id); };
    for (qsizetype last = m_rows.size() - 1; last >= 0; --last) {
        if (!gone(last))
            continue;
        qsizetype first = last;
        while (first > 0 && gone(first - 1))
            --first;
        beginRemoveRows({}, int(first), int(last));
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
        last = first;
    }
}

void BatchModel::takeChanged(const QList<BatchRow>& rows)
{
    // Both lists are in id order; new ids go in as runs, changed rows are redrawn as runs.
    for (qsizetype i = 0; i < rows.size();) {
        const qsizetype at = positionOf(rows[i].id);
        qsizetype end = i + 1;
        if (at < m_rows.size() && m_rows[at].id == rows[i].id) {
            m_rows[at] = rows[i];
            for (;
                 end < rows.size() && at + end - i < m_rows.size() && m_rows[at + end - i].id == rows[end].id;
                 ++end)
                m_rows[at + end - i] = rows[end];
            emit dataChanged(index(int(at), 0), index(int(at + end - i - 1), kColumns - 1));
        } else {
            for (; end < rows.size() && (at == m_rows.size() || rows[end].id < m_rows[at].id); ++end) {
            }
            beginInsertRows({}, int(at), int(at + end - i - 1));
            for (qsizetype k = i; k < end; ++k)
                m_rows.insert(at + k - i, rows[k]);
            endInsertRows();
        }
        i = end;
    }
}

int BatchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BatchModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant BatchModel::display(const BatchRow& row, int column) const
{
    const rova::slip::SlipValues& s = row.slip;
    switch (column) {
    case Status:
        return statusCaption(row);
    case SlipType:
        return s.slipType;
    case Zip:
        return s.zip;
    case Address1:
        return s.add1;
    case Name:
        return s.name;
    case Phone:
        return s.tel;
    case Item1:
        return s.g1;
    case Count:
        return s.count;
    case Delivery:
        return s.deliveryMonth.isEmpty() && s.deliveryDay.isEmpty()
                   ? QString()
                   : QStringLiteral("%1月%2日").arg(s.deliveryMonth, s.deliveryDay);
    case TimeSlot:
        return timeCaption(s);
    case Marks:
        return row.marks.isEmpty() ? QString() : QString::number(row.marks.size());
    case TrackingNumber:
        return row.trackingNumber.isEmpty() ? QString() : rova::tracking::display(row.trackingNumber);
    }
    return {};
}

QVariant BatchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const BatchRow& row = m_rows.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return display(row, column);
    case Qt::CheckStateRole:
        return column == Tick ? QVariant(row.ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::DecorationRole:
        if (column == Marks && row.status == BatchStatus::Refused)
            return qApp->style()->standardIcon(QStyle::SP_MessageBoxCritical);
        if (column == Marks && !row.marks.isEmpty())
            return qApp->style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::ToolTipRole:
        if (column == Marks || column == Status)
            return marksText(row);
        // The view elides these to keep the row on screen.
        if (column == Address1 || column == Name || column == Item1)
            return display(row, column);
        return {};
    case Qt::ForegroundRole:
        if (row.status == BatchStatus::Printed)
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    return {};
}

QVariant BatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions{
        QStringLiteral("印刷"),       QStringLiteral("確認"),     QStringLiteral("状態"),
        QStringLiteral("送り状種類"), QStringLiteral("〒"),       QStringLiteral("おところ①"),
        QStringLiteral("おなまえ"),   QStringLiteral("でんわ"),   QStringLiteral("品名１"),
        QStringLiteral("個数"),       QStringLiteral("お届け日"), QStringLiteral("時間帯"),
        QStringLiteral("伝票番号")};
    return captions.value(section);
}

Qt::ItemFlags BatchModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Tick)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool BatchModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != Tick || index.row() >= m_rows.size())
        return false;
    bool done = false;
    rova::guarded(nullptr, [&] {
        const bool known = tick({m_rows.at(index.row()).id}, value.toInt() == Qt::Checked);
        done = true;
        if (!known)
            refresh();
    });
    return done;
}
