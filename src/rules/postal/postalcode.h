// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Postal codes as the operator types them and as the program shows them.

#include <QString>
#include <QStringView>

#include <optional>

namespace rova::postal
{

// Seven digits of either width, with or without a hyphen after the third ("1050011", "105-0011",
// "１０５－００１１"); blanks around and a leading "〒", blanks after it too, are allowed. Anything else is
// no code.
std::optional<int> parseCode(QStringView text);

// "105-0011".
QString formatCode(int code);

} // namespace rova::postal
