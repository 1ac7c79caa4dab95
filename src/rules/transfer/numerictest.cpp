// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/numerictest.h"

#include "rules/numedit/numberformat.h"

namespace rova::transfer
{

QString numericReading(const QString& text)
{
    // What the numeric edit holds after the line is assigned to it, with its default settings.
    const numedit::NumberFormat defaults;
    return numedit::stripZeros(numedit::filterText(text, defaults), defaults);
}

bool passesNumericTest(const QString& text)
{
    return numericReading(text).size() > 2;
}

} // namespace rova::transfer
