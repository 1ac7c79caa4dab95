// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/normalise.h"

#include "rules/text/halfwidth.h"
#include "rules/transfer/blanks.h"
#include "rules/transfer/labelwords.h"
#include "rules/transfer/numerictest.h"

namespace rova::transfer
{

QString normaliseLine(const QString& line)
{
    const QString cleaned = trimZen(removeLabelWords(line));
    return passesNumericTest(cleaned) ? toHalfWidth(cleaned) : cleaned;
}

} // namespace rova::transfer
