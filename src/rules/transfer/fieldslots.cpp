// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/fieldslots.h"

#include "rules/postal/postalcode.h"
#include "rules/transfer/addressfeatures.h"
#include "rules/transfer/blanks.h"
#include "rules/transfer/prefecture.h"
#include "rules/transfer/zipphone.h"

namespace rova::transfer
{

namespace
{

constexpr qsizetype kLongestName = 6;

void offer(QString& slot, const QString& text)
{
    if (slot.isEmpty())
        slot = text;
}

// Takes postal code and phone lines out of `lines`, emptying them even when their slot is taken.
void takeZipAndPhone(QStringList& lines, Fields& fields)
{
    for (QString& line : lines) {
        switch (zipPhoneVerdict(line)) {
        case ZipPhone::PostalCode: {
            // Written as the fields show a code; eight digits and hyphens that are no code stay as they are.
            const std::optional<int> code = postal::parseCode(line);
            offer(fields.zip, code ? postal::formatCode(*code) : line);
            line.clear();
            break;
        }
        case ZipPhone::Phone:
            offer(fields.tel, line);
            line.clear();
            break;
        case ZipPhone::Neither:
            break;
        }
    }
}

} // namespace

Fields fillSlots(const QStringList& workingLines)
{
    QStringList lines;
    for (const QString& line : workingLines)
        lines.append(trimZen(line)); // a split remainder may start with a blank of either width
    Fields fields;
    takeZipAndPhone(lines, fields);

    QString prefecture, address1;
    for (const QString& line : std::as_const(lines)) {
        if (line.isEmpty())
            continue;
        if (isPrefecture(line)) {
            offer(prefecture, line);
            continue;
        }
        const FeatureCount count = countAddressFeatures(line);
        // A short line is a name even with a feature in it («中村» holds "村").
        if (count.features == 0 || count.chars <= kLongestName)
            offer(fields.name, line);
        else if (address1.isEmpty())
            address1 = line;
        else
            offer(fields.add2, line);
    }
    fields.add1 = trimZen(prefecture) + trimZen(address1);
    return fields;
}

} // namespace rova::transfer
