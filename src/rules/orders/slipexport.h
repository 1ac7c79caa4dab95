#pragma once
// Slips written as our own CSV, the file the import reads back as the same slips.

#include "rules/orders/slipgathering.h"

#include <QByteArray>
#include <QList>

namespace rova::orders
{

// UTF-8 with a byte-order mark (spreadsheets then read it as UTF-8), comma-separated, CR LF, the
// header row of our own format first. Marks and source lines are not written.
QByteArray exportSlips(const QList<ImportedSlip>& slips);

} // namespace rova::orders
