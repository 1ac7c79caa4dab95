// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling a postal code or a telephone number from other lines by its digits and hyphens.

#include <QString>
#include <QStringView>

namespace rova::transfer
{

enum class ZipPhone { PostalCode, Phone, Neither };

// Eight characters, all digits or hyphens, or seven digits: a postal code. Ten or more characters with at
// most one that is no digit or hyphen: a phone. Anything else: neither. The text is trimmed first.
ZipPhone zipPhoneVerdict(const QString& text);

// The length of the postal code `text` holds from `pos`: three digits, a hyphen and four digits
// (8), or seven digits (7), of either width, that the text does not continue with another digit or
// hyphen; 0 when there is none.
qsizetype postalCodeLengthAt(QStringView text, qsizetype pos);
bool isPostalCodeAt(QStringView text, qsizetype pos);
// Digits and hyphens of either width.
bool isAnyWidthDigit(QChar c);
bool isDigitOrHyphen(QChar c);

} // namespace rova::transfer
