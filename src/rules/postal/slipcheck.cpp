// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/slipcheck.h"

#include "rules/postal/lookup.h"

namespace rova::postal
{

QString bandAddress(const QString& add1, const QString& add2)
{
    return add1.trimmed() + add2.trimmed();
}

QStringList slipWarnings(const Index& index, const slip::SlipValues& slip)
{
    QStringList lines;
    const auto add = [&](const QString& zip, const QString& add1, const QString& add2) {
        const Check c = check(index, zip, bandAddress(add1, add2));
        if (!c.helpText.isEmpty())
            lines << c.helpText;
    };
    add(slip.zip, slip.add1, slip.add2);
    if (slip.printSender)
        add(slip.myZip, slip.myAdd1, slip.myAdd2);
    return lines;
}

} // namespace rova::postal
