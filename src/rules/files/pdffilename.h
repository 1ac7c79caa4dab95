// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file name the built-in PDF printer proposes for a slip: when it was printed and to whom,
// "2026-12-09_1530_見本太郎.pdf", so that a folder of saved slips sorts by time and reads by name.

#include <QDateTime>
#include <QString>

namespace rova
{

// The destination's name is made safe for any file system the file may be copied to: characters
// that some systems refuse (/ \ : * ? " < > | and control characters) become "_", each run of blanks
// (also U+3000) one "_", and it is cut to whole characters within 120 bytes of UTF-8. Without a
// name the file is named by the time alone.
QString pdfFileName(const QDateTime& printed, const QString& destinationName);

} // namespace rova
