// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/characters.h"

#include "rules/text/cp932.h"

namespace rova::transfer
{

qsizetype charCount(const QByteArray& bytes)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++count)
        i += cp932::isLeadByte(static_cast<unsigned char>(bytes.at(i))) ? 2 : 1;
    return count;
}

qsizetype prefixWithinBytes(QStringView text, qsizetype maxBytes, qsizetype* bytes)
{
    // Every character takes at least one byte, so only a short start of a long text is encoded.
    // The encoder gives each character (a surrogate pair included) exactly one character of output.
    const QStringView window = text.first(qMin(text.size(), maxBytes + 2));
    const QByteArray encoded = cp932::toBytes(window.toString());
    qsizetype chars = 0;
    qsizetype used = 0;
    while (chars < window.size() && used < encoded.size()) {
        const bool pair = window.at(chars).isHighSurrogate() && chars + 1 < window.size() &&
                          window.at(chars + 1).isLowSurrogate();
        const qsizetype width = cp932::isLeadByte(static_cast<unsigned char>(encoded.at(used))) ? 2 : 1;
        if (used + width > maxBytes)
            break;
        chars += pair ? 2 : 1;
        used += width;
    }
    if (bytes)
        *bytes = used;
    return chars;
}

} // namespace rova::transfer
