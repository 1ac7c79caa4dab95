// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A slip's marketplace order as its one column holds it: JSON with the marketplace's key, the order
// number, the destination id and the item rows, readable in any SQLite tool; NULL for a slip from
// no marketplace.

#include "rules/slip/marketplaceorder.h"

#include <QVariant>

namespace rova::store
{

QVariant orderColumn(const slip::MarketplaceOrder& order);
// Empty for NULL or a text that is not such an object.
slip::MarketplaceOrder orderFromColumn(const QVariant& column);

} // namespace rova::store
