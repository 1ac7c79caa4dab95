#pragma once
// Text in the double-byte code page that stored files and byte-counted rules use (code page 932).

#include <QByteArray>
#include <QString>

namespace rova::cp932 {

inline bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

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

} // namespace rova::cp932
