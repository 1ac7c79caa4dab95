// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/dictionaryfile.h"

#include <QStringTokenizer>

namespace rova::postal
{

namespace
{

constexpr QStringView kOfficeSeparator = u" @ ";

// The code of a line that starts with seven ASCII digits and a blank; -1 otherwise.
int lineCode(QStringView line)
{
    if (line.size() < 8 || line[7] != u' ')
        return -1;
    int code = 0;
    for (qsizetype i = 0; i < 7; ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        code = code * 10 + (c - u'0');
    }
    return code;
}

void takeEntry(int code, QStringView entry, ListKind kind, const std::function<void(const Entry&)>& take)
{
    if (const qsizetype note = entry.indexOf(u';'); note >= 0)
        entry.truncate(note);
    entry = entry.trimmed();
    if (entry.isEmpty() || entry.contains(u'\uFFFD'))
        return;
    if (kind == ListKind::Towns) {
        take({code, entry, {}});
        return;
    }
    const qsizetype at = entry.indexOf(kOfficeSeparator);
    if (at <= 0)
        return;
    const QStringView name = entry.first(at).trimmed();
    const QStringView address = entry.sliced(at + kOfficeSeparator.size()).trimmed();
    if (!name.isEmpty() && !address.isEmpty())
        take({code, address, name});
}

} // namespace

void forEachEntry(QStringView text, ListKind kind, const std::function<void(const Entry&)>& take)
{
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int code = lineCode(line);
        if (code < 0)
            continue;
        for (const QStringView entry : line.sliced(8).tokenize(QChar(u'/'), Qt::SkipEmptyParts))
            takeEntry(code, entry, kind, take);
    }
}

} // namespace rova::postal
