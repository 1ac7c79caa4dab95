// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/ordercolumn.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace rova::store
{

namespace
{
const QString kMarketplace = QStringLiteral("marketplace");
const QString kOrder = QStringLiteral("order");
const QString kDestination = QStringLiteral("destination");
const QString kItems = QStringLiteral("items");
const QString kId = QStringLiteral("id");
const QString kQuantity = QStringLiteral("quantity");
} // namespace

QVariant orderColumn(const slip::MarketplaceOrder& order)
{
    if (order.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    QJsonArray items;
    for (const slip::OrderItem& item : order.items)
        items.append(QJsonObject{{kId, item.id}, {kQuantity, item.quantity}});
    const QJsonObject object{{kMarketplace, slip::marketplaceKey(order.marketplace)},
                             {kOrder, order.orderNumber},
                             {kDestination, order.destinationId},
                             {kItems, items}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

slip::MarketplaceOrder orderFromColumn(const QVariant& column)
{
    const QJsonObject object = QJsonDocument::fromJson(column.toString().toUtf8()).object();
    const std::optional<slip::Marketplace> marketplace =
        slip::marketplaceFromKey(object[kMarketplace].toString());
    if (!marketplace)
        return {};
    slip::MarketplaceOrder order{
        *marketplace, object[kOrder].toString(), object[kDestination].toString(), {}};
    for (const QJsonValue& item : object[kItems].toArray())
        order.items.append({item[kId].toString(), item[kQuantity].toString()});
    return order;
}

} // namespace rova::store
