// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which marketplace order a slip was made for: what a shipping notice has to name so the
// marketplace can put the parcel's number on the right order, destination and item rows. Not
// printed; it travels with the slip into the batch list and the print history.

#include <QList>
#include <QString>

#include <optional>

namespace rova::slip
{

enum class Marketplace { None, Rakuten, Amazon, Yahoo };

// One item row of the order file as the marketplace names it: its id and the quantity, as given.
struct OrderItem {
    QString id;
    QString quantity;
    bool operator==(const OrderItem&) const = default;
};

struct MarketplaceOrder {
    Marketplace marketplace = Marketplace::None;
    QString orderNumber;
    QString destinationId; // a destination of an order that can have several (empty where none)
    QList<OrderItem> items;

    bool isEmpty() const { return marketplace == Marketplace::None; }
    bool operator==(const MarketplaceOrder&) const = default;
};

// Stable ASCII keys ("rakuten", "amazon", "yahoo"), as stored and as in file names.
QString marketplaceKey(Marketplace marketplace);
std::optional<Marketplace> marketplaceFromKey(const QString& key);
// The marketplace's name for the operator.
QString marketplaceName(Marketplace marketplace);

} // namespace rova::slip
