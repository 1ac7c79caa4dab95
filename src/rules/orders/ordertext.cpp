// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/ordertext.h"

#include "rules/errors.h"
#include "rules/text/cp932.h"

#include <QStringDecoder>

namespace rova::orders
{

namespace
{
constexpr int kValid = 0;

bool validIn(const char* codec, QByteArrayView bytes)
{
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError() && !bytes.contains('\0');
}

// The first line (from 1) that does not decode on its own, or kValid. A line break byte never
// occurs inside a character of either encoding, so lines can be tried one at a time.
int firstBadLine(QByteArrayView bytes, const char* codec)
{
    if (validIn(codec, bytes))
        return kValid;
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (!validIn(codec, bytes.sliced(start, end - start)))
            return line;
        start = end + 1;
    }
    return kValid;
}

// Position of the first replacement character, unpaired surrogate or NUL, or -1.
qsizetype firstBadUtf16(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || c == QChar::ReplacementCharacter || c.isNull())
            return i;
    }
    return -1;
}

// Where the file cannot be read, then the way out: the encodings that can be, and how to get one.
[[noreturn]] void notText(const QString& fileName, int line, const QString& what)
{
    throw Error(placeMessage(fileName, line, what) + u'\n' + encodingHint());
}

DecodedText utf16(const QByteArray& bytes, const QString& fileName)
{
    QStringDecoder decoder(QStringConverter::Utf16);
    DecodedText out{decoder(bytes), Encoding::Utf16};
    const qsizetype bad = bytes.size() % 2 ? out.text.size() : firstBadUtf16(out.text);
    if (bad >= 0)
        notText(fileName, int(out.text.left(bad).count(u'\n')) + 1,
                QStringLiteral("UTF-16 として読めない文字があります"));
    return out;
}
} // namespace

QString encodingHint()
{
    return QStringLiteral("読める文字コードは UTF-8 (BOM 付きも)、UTF-16、シフトJIS (CP932) です。"
                          "表計算ソフトでは「名前を付けて保存」で「CSV UTF-8」を選んで保存し直してください");
}

QString placeMessage(const QString& fileName, int line, const QString& what)
{
    return QStringLiteral("%1 の %2 行目: %3").arg(fileName).arg(line).arg(what);
}

DecodedText decodeOrderText(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return utf16(bytes, fileName);

    if (bytes.startsWith("\xEF\xBB\xBF")) {
        const QByteArrayView rest = QByteArrayView(bytes).sliced(3);
        if (const int bad = firstBadLine(rest, "UTF-8"))
            notText(fileName, bad, QStringLiteral("UTF-8 として読めない文字があります"));
        return {QString::fromUtf8(rest), Encoding::Utf8WithBom};
    }

    const int badUtf8 = firstBadLine(bytes, "UTF-8");
    if (badUtf8 == kValid)
        return {QString::fromUtf8(bytes), Encoding::Utf8};
    const int badCp932 = firstBadLine(bytes, "windows-31j");
    if (badCp932 == kValid)
        return {cp932::decode(bytes), Encoding::Cp932};
    notText(fileName, std::max(badUtf8, badCp932),
            QStringLiteral("文字コードが UTF-8 でもシフトJIS (CP932) でもありません"));
}

} // namespace rova::orders
