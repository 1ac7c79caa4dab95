// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch list as a table: a row per slip, the tick editable in place, printed rows greyed and
// the marks as an icon with their texts as the tooltip (and as marksText() for the line under the
// table); a row a station is printing names it and since when. Long texts carry their whole text as
// the tooltip, as the view elides them. When the list's revision moved, whoever changed it, it reads
// only the rows changed since and tells the view row by row, so the selection, the current row and
// the scroll position stay.

#include "platform/store/batchlist.h"

#include <QAbstractTableModel>

class BatchModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The marks right after the tick: long columns never push them out of view.
    enum Column {
        Tick,
        Marks,
        Status,
        SlipType,
        Zip,
        Address1,
        Name,
        Phone,
        Item1,
        Count,
        Delivery,
        TimeSlot,
        TrackingNumber
    };
    static constexpr int kColumns = TrackingNumber + 1;

    explicit BatchModel(rova::store::BatchList& list, QObject* parent = nullptr);

    // The same list on a new connection, when the old one broke; the rows stay until refresh().
    void setList(rova::store::BatchList& list) { m_list = &list; }
    // Takes in the changes committed since the last read.
    void refresh();
    // Ticks the rows in the list and here; false when another program changed the list meanwhile,
    // and then the rows are left for refresh() to read.
    bool tick(const QList<qint64>& ids, bool ticked);
    const rova::store::BatchRow& row(int index) const { return m_rows.at(index); }
    const QList<rova::store::BatchRow>& rows() const { return m_rows; }
    // Who is printing a row and until when it is held, why it is marked or was refused, a line
    // each; empty for a row without any of them.
    static QString marksText(const rova::store::BatchRow& row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QVariant display(const rova::store::BatchRow& row, int column) const;
    void removeGone(const QList<qint64>& ids);
    void takeChanged(const QList<rova::store::BatchRow>& rows);
    void redrawLapsedClaims();
    qsizetype positionOf(qint64 id) const;

    rova::store::BatchList* m_list;
    QList<rova::store::BatchRow> m_rows;
    qint64 m_revision = -1;
    QDateTime m_lapsesSeen = QDateTime::currentDateTime(); // the last look for lapsed claims
};
