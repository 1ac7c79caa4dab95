// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/text: code page 932 text, the half-width mapping and number parsing.
//
// Text in the double-byte code page that stored files and byte-counted rules use (code page 932).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rova::cp932
{

inline bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline bool isTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
// Bytes of the character at `i`: 2 for a lead byte followed by a trail byte, otherwise 1.
inline qsizetype charLength(QByteArrayView bytes, qsizetype i)
{
    return isLeadByte(uchar(bytes[i])) && i + 1 < bytes.size() && isTrailByte(uchar(bytes[i + 1])) ? 2 : 1;
}

struct Encoded {
    QByteArray bytes;
    QString unencodable; // each character that code page 932 cannot hold, once, in order of appearance
    bool ok() const { return unencodable.isEmpty(); }
};

// Characters that cannot be held come back in `unencodable`; their bytes in `bytes` are placeholders.
Encoded encode(const QString& text);
// Bytes only; for callers that have already checked the text or only count and compare bytes.
QByteArray toBytes(const QString& text);
QString decode(const QByteArray& bytes);

// Length in bytes; a character the code page cannot hold counts as a double-byte one.
qsizetype byteLength(const QString& text);

// Text from other programs may carry another common Unicode mapping's form of a character the code
// page holds (U+2212 for U+FF0D, U+301C for U+FF5E, …); returns the text with the code page's forms.
QString foldVariants(const QString& text);

} // namespace rova::cp932
