// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text/strtoint.h"

#include "rules/errors.h"

#include <limits>
#include <optional>

namespace rova
{

namespace
{
std::optional<int> parse(const QString& text)
{
    QStringView s(text);
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i; // leading blanks are allowed, trailing ones are not
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';
    int base = 10;
    if (i < s.size() && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    long long value = 0;
    const long long limit =
        base == 16 ? 0xFFFFFFFFLL : static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    if (base == 16) // hexadecimal spells the 32-bit pattern
        value = static_cast<int>(static_cast<unsigned>(value));
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}
} // namespace

int strToInt(const QString& text)
{
    const auto v = parse(text);
    if (!v)
        throw Error(errtext::invalidInteger(text));
    return *v;
}

int strToIntDef(const QString& text, int fallback)
{
    return parse(text).value_or(fallback);
}

} // namespace rova
