// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measuring and cutting text by whole code page 932 characters, so that no cut ever leaves half of a
// double-byte character behind.

#include <QByteArray>
#include <QStringView>

namespace rova::transfer
{

// Number of characters in code page 932 bytes (a lead byte and its trail byte are one character).
qsizetype charCount(const QByteArray& bytes);

// Length in QChars of the longest start of `text` made of whole characters that fits in `maxBytes`
// code page 932 bytes; `bytes`, when given, receives its length in bytes.
qsizetype prefixWithinBytes(QStringView text, qsizetype maxBytes, qsizetype* bytes = nullptr);

} // namespace rova::transfer
