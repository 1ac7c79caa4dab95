// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pasted address blocks for the transfer benchmark, made from a fixed seed so every run sees the
// same set: postal codes, prefectures, label words, phones, names, mail lines, blank lines, and
// half- and full-width forms of all of them.

#include <QList>
#include <QStringList>

namespace bench
{

QList<QStringList> addressBlocks(int count);
// Full-width digits, hyphen and Latin letters for the same text.
QString fullWidth(const QString& text);
// `lines` lines of about `bytesPerLine` bytes each (UTF-8), address-like text throughout.
QStringList longBlock(int lines, int bytesPerLine);

} // namespace bench
