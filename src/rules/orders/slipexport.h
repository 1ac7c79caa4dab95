// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Slips written as our own CSV, the file the import reads back as the same slips.

#include "rules/orders/slipgathering.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace rova::orders
{

// UTF-8 with a byte-order mark (spreadsheets then read it as UTF-8), comma-separated, CR LF, the
// header row of our own format first, each slip's tracking number (`trackingNumbers` in the order of
// the slips; empty where a slip has none) in its last column. Marks and source lines are not written.
QByteArray exportSlips(const QList<ImportedSlip>& slips, const QStringList& trackingNumbers = {});

} // namespace rova::orders
