// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed word lists the transfer judges lines by. Each list exists here and nowhere else.

#include <QStringList>

namespace rova::transfer::words
{

// Strings whose presence marks a line as a mail or web address ("@", ".com", …).
const QStringList& mailMarkers();
// Digits and hyphens of either width, 22 tokens.
const QStringList& digitsAndHyphens();
// The digit-and-hyphen set followed by the place-name and building words, 57 tokens.
const QStringList& addressFeatures();
// The 47 prefectures with their suffix.
const QStringList& prefectures();
// The 46 label words in removal order (each removal works on the result of the one before).
const QStringList& labelWords();
// Characters stripped from both ends of a line before it is compared with the heading words: blanks
// of both widths, tab, brackets, marks and rules ("【", "■", "：", "－", …).
const QString& headingDecorations();
// Heading words above the block that names where the parcel goes ("お届け先", "送付先", …).
const QStringList& deliveryHeadings();
// Heading words of the other blocks of an order e-mail: buyer, sender, items, payment, notes.
const QStringList& otherHeadings();

} // namespace rova::transfer::words
