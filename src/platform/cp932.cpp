#include "cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace rova::cp932 {

namespace {
constexpr const char* kCodec = "windows-31j";

QByteArray rawEncode(const QString& text, bool* error)
{
    QStringEncoder encoder(kCodec);
    QByteArray out = encoder(text);
    if (error)
        *error = encoder.hasError();
    return out;
}

// The encoder signals an error but substitutes a valid-looking character, so the culprits are found
// one character (or surrogate pair) at a time, only when the whole text failed.
QString findUnencodable(const QString& text)
{
    QString bad;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, n);
        bool error = false;
        rawEncode(ch, &error);
        if (error && !bad.contains(ch))
            bad += ch;
        i += n;
    }
    return bad;
}
} // namespace

Encoded encode(const QString& text)
{
    Encoded result;
    bool error = false;
    result.bytes = rawEncode(text, &error);
    if (error)
        result.unencodable = findUnencodable(text);
    return result;
}

QByteArray toBytes(const QString& text) { return rawEncode(text, nullptr); }

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodec);
    return decoder(bytes);
}

qsizetype byteLength(const QString& text)
{
    // Placeholders for unencodable characters are double-byte, which is what is wanted here.
    return rawEncode(text, nullptr).size();
}

} // namespace rova::cp932
