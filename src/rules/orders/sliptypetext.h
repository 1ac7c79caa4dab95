// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A slip type named by an order file, as one of the six slip types.

#include <QString>

#include <optional>

namespace rova::orders
{

// One of the six texts is taken as it is. A form kind ("発払", "着払", "タイムサービス",
// "配達指定日", or the carrier's codes 0 発払い, 5 着払い, 4 タイム) takes the feed variant of
// `current` (手差し when `current` is none of the six). Empty: `current`. Anything else: nothing.
std::optional<QString> slipTypeFromText(const QString& text, const QString& current);

} // namespace rova::orders
