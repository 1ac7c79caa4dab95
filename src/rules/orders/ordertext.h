// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of an order file from its bytes: UTF-8 (with or without a byte-order mark), UTF-16 with
// a byte-order mark, or code page 932, told apart by which one the bytes are valid in.

#include <QByteArray>
#include <QString>

namespace rova::orders
{

enum class Encoding { Utf8, Utf8WithBom, Utf16, Cp932 };

struct DecodedText {
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// Raises rova::Error naming `fileName` and the first line that is valid in neither encoding
// (counting from the one that read further), or that holds a NUL byte.
DecodedText decodeOrderText(const QByteArray& bytes, const QString& fileName);

// The line under a message about a file in an encoding that cannot be read: the encodings that can
// be, and how to save a file as one from a spreadsheet.
QString encodingHint();

// "FILE の N 行目: WHAT", the form of every message about a place in an order file.
QString placeMessage(const QString& fileName, int line, const QString& what);

} // namespace rova::orders
