// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/profilescan.h"

#include "rules/text/cp932.h"

namespace rova::profilescan
{

namespace
{
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

qsizetype lastSingleByte(QByteArrayView v, char ch)
{
    qsizetype last = -1;
    for (qsizetype i = 0; i < v.size(); i += cp932::charLength(v, i)) {
        if (v[i] == ch)
            last = i;
    }
    return last;
}
} // namespace

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size();) {
        const qsizetype n = cp932::charLength(a, i);
        if (n == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
        i += n;
    }
    return true;
}

SectionPlace locate(QByteArrayView file, QByteArrayView section, const QList<QByteArray>& keys)
{
    SectionPlace place;
    place.keys.resize(keys.size());
    if (section.isEmpty())
        return place; // "[]" names no section that can be asked for
    qsizetype missing = keys.size();
    bool inSection = false;
    for (qsizetype pos = 0; pos < file.size();) {
        // '\n' is below every trail byte, so a plain search finds the true line ends.
        const qsizetype lf = file.indexOf('\n', pos);
        const qsizetype end = lf < 0 ? file.size() : lf;
        const qsizetype next = lf < 0 ? file.size() : lf + 1;
        const QByteArrayView line = file.sliced(pos, end - pos);
        const QByteArrayView content = trimmed(line);
        const qsizetype lineStart = pos;
        pos = next;

        if (content.startsWith('[')) {
            const qsizetype close = lastSingleByte(content, ']');
            if (close > 0) {
                if (inSection)
                    break; // the first section of that name is the only one looked at
                inSection = sameName(trimmed(content.sliced(1, close - 1)), section);
                if (inSection) {
                    place.found = true;
                    place.insertAt = next;
                    place.insertNeedsBreak = lf < 0;
                }
                continue;
            }
        }
        if (!inSection || content.isEmpty())
            continue;
        place.insertAt = next;
        place.insertNeedsBreak = lf < 0;
        // '=' is below every trail byte too.
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArrayView name = trimmed(line.first(eq));
        for (qsizetype k = 0; k < keys.size(); ++k) {
            KeyPlace& key = place.keys[k];
            if (key.found || !sameName(name, keys[k]))
                continue; // the first of duplicated keys wins
            key.found = true;
            key.valueStart = lineStart + eq + 1;
            key.valueEnd = line.endsWith('\r') ? end - 1 : end;
            key.lineNext = next;
            key.value = trimmed(line.sliced(eq + 1));
            --missing;
        }
        if (missing == 0)
            break; // where a new key would go is not needed
    }
    return place;
}

} // namespace rova::profilescan
