// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/labelwords.h"

#include "rules/transfer/blanks.h"
#include "rules/transfer/wordlists.h"
#include "rules/transfer/zipphone.h"

#include <algorithm>
#include <bitset>

namespace rova::transfer
{

namespace
{

bool isLatinLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'Ａ' && u <= u'Ｚ') ||
           (u >= u'ａ' && u <= u'ｚ');
}

bool isLatinWord(const QString& word)
{
    return std::all_of(word.begin(), word.end(), isLatinLetter);
}

bool endsWithDigit(const QString& word)
{
    return !word.isEmpty() && isAnyWidthDigit(word.back());
}

// Whether the occurrence of `word` at `at` is a real label and not part of the value it labels.
bool isLabelAt(const QString& line, qsizetype at, const QString& word)
{
    const qsizetype end = at + word.size();
    if (isLatinWord(word))
        return !(at > 0 && isLatinLetter(line.at(at - 1))) &&
               !(end < line.size() && isLatinLetter(line.at(end)));
    if (endsWithDigit(word))
        return !isPostalCodeAt(line, end - 1);
    return true;
}

// One left-to-right pass, like a replace-all: text taken out is not searched again.
QString removeWord(const QString& line, const QString& word)
{
    qsizetype at = line.indexOf(word);
    if (at < 0)
        return line;
    QString out;
    out.reserve(line.size());
    qsizetype copied = 0;
    for (; at >= 0; at = line.indexOf(word, at + word.size())) {
        if (!isLabelAt(line, at, word))
            continue;
        out.append(QStringView(line).sliced(copied, at - copied));
        copied = at + word.size();
    }
    out.append(QStringView(line).sliced(copied));
    return out;
}

} // namespace

QString removeLabelWords(const QString& line)
{
    // Removal only takes characters away, so a word whose first character the line lacks from the
    // start is never found; skipping those keeps long pasted lines cheap.
    static const std::bitset<0x10000> firstChars = [] {
        std::bitset<0x10000> set;
        for (const QString& word : words::labelWords())
            set.set(word.front().unicode());
        return set;
    }();
    std::bitset<0x10000> present;
    for (QChar c : line)
        if (firstChars.test(c.unicode()))
            present.set(c.unicode());

    QString result = line;
    for (const QString& word : words::labelWords()) {
        if (present.test(word.front().unicode()))
            result = removeWord(result, word);
        result = trimLeftStandard(result);
    }
    return result;
}

} // namespace rova::transfer
