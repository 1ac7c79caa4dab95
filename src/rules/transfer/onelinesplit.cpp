// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/onelinesplit.h"

#include "rules/text/cp932.h"
#include "rules/transfer/blanks.h"
#include "rules/transfer/characters.h"
#include "rules/transfer/zipphone.h"

#include <optional>

namespace rova::transfer
{

namespace
{

constexpr qsizetype kRemainderBytes = 80;
constexpr qsizetype kRemainderMinChars = 7;

struct Split {
    QString head;
    QString remainder;
};

std::optional<Split> splitPostalHead(const QString& line)
{
    const qsizetype headChars = postalCodeLengthAt(line, 0);
    // Only a half-width code, one byte a character, is split off.
    if (headChars == 0 || prefixWithinBytes(line, headChars) != headChars)
        return std::nullopt;
    const QString head = line.first(headChars);
    const QStringView rest = QStringView(line).sliced(headChars);
    const QString remainder = rest.first(prefixWithinBytes(rest, kRemainderBytes)).toString();
    if (charCount(cp932::toBytes(remainder)) < kRemainderMinChars)
        return std::nullopt;
    return Split{head, remainder};
}

} // namespace

QStringList splitLeadingPostalCodes(const QStringList& workingLines)
{
    QStringList lines = workingLines;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const std::optional<Split> split = splitPostalHead(lines.at(k));
        if (!split)
            continue;
        lines[k] = split->head;
        for (qsizetype j = k + 1; j < lines.size(); ++j) {
            if (isBlank(lines.at(j))) {
                lines[j] = split->remainder;
                break;
            }
        }
    }
    return lines;
}

} // namespace rova::transfer
