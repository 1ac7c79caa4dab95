// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Order e-mails pasted whole: their heading lines, and the block that names where the parcel goes.

#include <QStringList>

namespace rova::transfer
{

// The pasted lines the transfer works on: when a line is a delivery heading, the lines after the first
// such line up to the next heading; otherwise every line. A heading is a heading word between
// decorations ("【お届け先】", "■ご注文者情報"); neither headings nor separator lines ("----",
// "━━━━") are ever among the lines returned.
QStringList deliveryBlock(const QStringList& pasted);

} // namespace rova::transfer
