#pragma once
// Order e-mails pasted whole: their heading lines, and the block that names where the parcel goes.

#include <QStringList>

namespace rova::transfer
{

enum class LineKind {
    Data,            // anything else, blank lines included
    Rule,            // only decorations and box-drawing characters ("----", "━━━━"): a separator
    DeliveryHeading, // a delivery heading word between decorations, nothing more ("【お届け先】")
    OtherHeading,    // the heading of a buyer, items, payment or notes block ("■ご注文者情報")
};

LineKind kindOf(const QString& line);

// The pasted lines the transfer works on: when a line is a delivery heading, the lines after the first
// such line up to the next heading; otherwise every line. Heading and rule lines are never among them.
QStringList deliveryBlock(const QStringList& pasted);

} // namespace rova::transfer
