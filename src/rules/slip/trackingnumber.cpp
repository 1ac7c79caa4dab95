// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/trackingnumber.h"

#include "rules/errors.h"

#include <QRegularExpression>

namespace rova::tracking
{

namespace
{
constexpr int digits = 12;
constexpr qint64 serialEnd = 100'000'000'000; // 10^11: the first number of 12 serial digits

QChar checkDigit(qint64 serial)
{
    return QChar(u'0' + int(serial % 7));
}

QString withCheckDigit(qint64 serial)
{
    return QStringLiteral("%1").arg(serial, digits - 1, 10, QLatin1Char('0')) + checkDigit(serial);
}

// Hyphens and dashes as keyboards and input methods give them, and blanks of either width.
bool isSeparator(QChar c)
{
    static const QString separators = QStringLiteral("-\u2010\u2011\u2012\u2013\u2014\u2015\u2212"
                                                     "\u30FC\uFF0D\uFF70 \u3000\t");
    return separators.contains(c);
}

// The digits of a typed number in half width, separators left out; nothing when something else is
// in it.
std::optional<QString> digitsOf(const QString& typed)
{
    QString out;
    for (const QChar c : typed) {
        if (c >= u'0' && c <= u'9')
            out += c;
        else if (c >= u'\uFF10' && c <= u'\uFF19')
            out += QChar(u'0' + (c.unicode() - 0xFF10));
        else if (!isSeparator(c))
            return std::nullopt;
    }
    return out;
}

// What a scanner types for the barcode: its digits between a start and a stop letter.
QString unframed(const QString& text)
{
    static const QRegularExpression framed(QStringLiteral("^[A-Da-dＡ-Ｄａ-ｄ](.+)[A-Da-dＡ-Ｄａ-ｄ]$"));
    const auto match = framed.match(text.trimmed());
    return match.hasMatch() ? match.captured(1) : text;
}
} // namespace

QString parse(const QString& typed)
{
    const auto number = digitsOf(typed);
    if (!number)
        throw Error(QStringLiteral("伝票番号「%1」には数字とハイフンのほかの文字があります").arg(typed));
    if (number->size() != digits)
        throw Error(QStringLiteral("伝票番号は12桁です (「%1」は %2 桁)").arg(typed).arg(number->size()));
    const qint64 serial = number->left(digits - 1).toLongLong();
    if (number->back() != checkDigit(serial))
        throw Error(
            QStringLiteral("伝票番号「%1」のチェック数字 (最後の桁) が違います: %2 ではなく %3 のはずです")
                .arg(typed, QString(number->back()), QString(checkDigit(serial))));
    return *number;
}

std::optional<QString> recognise(const QString& text)
{
    try {
        return parse(unframed(text));
    } catch (const Error&) {
        return std::nullopt;
    }
}

QString next(const QString& number)
{
    const qint64 serial = number.left(digits - 1).toLongLong() + 1;
    if (serial >= serialEnd)
        throw Error(
            QStringLiteral("伝票番号 %1 の次の番号はありません (11桁を超えます)").arg(display(number)));
    return withCheckDigit(serial);
}

QString display(const QString& number)
{
    return QStringList{number.left(4), number.mid(4, 4), number.mid(8)}.join(QLatin1Char('-'));
}

} // namespace rova::tracking
