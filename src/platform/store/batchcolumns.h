// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a batch row's own values (status, marks, the key of its destination and items) are held in
// their columns.

#include "platform/store/batchlist.h"

#include <QVariant>

namespace rova::store
{

QString statusText(BatchStatus status);
BatchStatus statusFromText(const QString& text);

// The marks as a JSON array of {"code", "text"}, NULL when there are none.
QVariant marksColumn(const QList<BatchMark>& marks);
QList<BatchMark> marksFromColumn(const QVariant& column);

// The destination and item names in search form: two rows with the same key are the same parcel.
// Empty for a row with neither, which repeats nothing.
QString duplicateKey(const slip::SlipValues& slip);

} // namespace rova::store
