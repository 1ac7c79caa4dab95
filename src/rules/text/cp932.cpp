// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <utility>

namespace rova::cp932
{

namespace
{
constexpr const char* kCodec = "windows-31j";

// Single bytes the converter gets wrong: it swaps the controls 0x1A, 0x1C and 0x7F among
// themselves and turns 0x80, 0xA0 and 0xFD to 0xFF into U+001A. Mapped here as the platform maps
// them, so that every byte survives a round trip.
constexpr struct {
    unsigned char byte;
    char16_t ch;
} kSingleBytes[] = {{0x1A, 0x001A}, {0x1C, 0x001C}, {0x7F, 0x007F}, {0x80, 0x0080},
                    {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};

char16_t charOfSingleByte(unsigned char b)
{
    for (const auto& m : kSingleBytes) {
        if (m.byte == b)
            return m.ch;
    }
    return 0;
}

int singleByteOf(char16_t c)
{
    for (const auto& m : kSingleBytes) {
        if (m.ch == c)
            return m.byte;
    }
    return -1;
}

QByteArray rawEncode(QStringView text, bool* error)
{
    QStringEncoder encoder(kCodec);
    QByteArray out;
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = singleByteOf(text[i].unicode());
        if (b < 0)
            continue;
        out += encoder(text.sliced(run, i - run));
        out += char(b);
        run = i + 1;
    }
    out += encoder(text.sliced(run));
    if (error)
        *error = encoder.hasError();
    return out;
}

// One encoder for many characters: its error count grows by one for each character it cannot
// hold, where hasError() only says whether it ever failed.
class CheckingEncoder : public QStringEncoder
{
public:
    CheckingEncoder() : QStringEncoder(kCodec) {}
    bool cannotHold(QStringView ch)
    {
        const qsizetype before = state.invalidChars;
        const QByteArray placeholder = encode(ch);
        return state.invalidChars > before;
    }
};

// The encoder signals an error but substitutes a valid-looking character, so the culprits are found
// one character (or surrogate pair) at a time, only when the whole text failed.
QString findUnencodable(QStringView text)
{
    CheckingEncoder encoder;
    QString bad;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView ch = text.sliced(i, n);
        i += n;
        if (singleByteOf(ch[0].unicode()) >= 0)
            continue;
        if (encoder.cannotHold(ch) && !bad.contains(ch))
            bad += ch;
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

QByteArray toBytes(const QString& text)
{
    return rawEncode(text, nullptr);
}

QString decode(const QByteArray& bytes)
{
    // Stateless, so that a lone lead byte before a split does not swallow what follows it.
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
    QString out;
    qsizetype run = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        if (charLength(bytes, i) == 2) {
            i += 2;
            continue;
        }
        const auto b = static_cast<unsigned char>(bytes[i]);
        // A lead byte without its trail byte becomes the substitute character, as inside the converter.
        if (const char16_t c = isLeadByte(b) ? u'\x1A' : charOfSingleByte(b)) {
            out += decoder(QByteArrayView(bytes).sliced(run, i - run));
            out += QChar(c);
            run = i + 1;
        }
        ++i;
    }
    out += decoder(QByteArrayView(bytes).sliced(run));
    return out;
}

namespace
{
// The same character under the other mapping, and the form code page 932 has for it.
constexpr struct {
    char16_t other;
    char16_t own;
} kVariants[] = {{0x2212, 0xFF0D}, {0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2014, 0x2015},
                 {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}};

// Letters, digits and kana lie outside this range, so most characters are passed by one comparison.
constexpr auto kVariantRange = [] {
    std::pair<char16_t, char16_t> range{0xFFFF, 0};
    for (const auto& v : kVariants)
        range = {std::min(range.first, v.other), std::max(range.second, v.other)};
    return range;
}();

char16_t ownFormOf(char16_t c)
{
    if (c < kVariantRange.first || c > kVariantRange.second)
        return 0;
    for (const auto& v : kVariants) {
        if (v.other == c)
            return v.own;
    }
    return 0;
}
} // namespace

QString foldVariants(const QString& text)
{
    QString out = text; // shared until the first variant is found
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (const char16_t own = ownFormOf(out.at(i).unicode()))
            out[i] = QChar(own);
    }
    return out;
}

qsizetype byteLength(const QString& text)
{
    // Placeholders for unencodable characters are double-byte, which is what is wanted here.
    return rawEncode(text, nullptr).size();
}

} // namespace rova::cp932
