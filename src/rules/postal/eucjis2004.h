// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the dictionary files, which are written in EUC-JIS-2004.

#include <QByteArray>
#include <QString>

namespace rova::postal
{

// The text of `bytes`. A byte sequence that is no character becomes U+FFFD and the rest is still
// read. The characters this encoding maps differently from code page 932 (minus sign, wave dash,
// dash, double bar, cent, pound, not sign) come out as code page 932's, so that an address taken
// from the dictionary can be stored. Raises rova::Error when the system has no converter for it.
QString decodeEucJis2004(const QByteArray& bytes);

} // namespace rova::postal
