// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/batch/batchimport.h"

#include "rules/errors.h"
#include "rules/files/programsettings.h"

#include <QFileInfo>

namespace rova::batch
{

QString markKey(orders::MarkCode code)
{
    using orders::MarkCode;
    switch (code) {
    case MarkCode::PostalCodeForm:
        return QStringLiteral("zip");
    case MarkCode::Unencodable:
        return QStringLiteral("unencodable");
    case MarkCode::Address1TooLong:
        return QStringLiteral("address1Long");
    case MarkCode::NameEmpty:
        return QStringLiteral("nameEmpty");
    case MarkCode::AddressEmpty:
        return QStringLiteral("addressEmpty");
    case MarkCode::PhoneEmpty:
        return QStringLiteral("phoneEmpty");
    case MarkCode::SenderIncomplete:
        return QStringLiteral("senderIncomplete");
    case MarkCode::ItemNameEmpty:
        return QStringLiteral("itemEmpty");
    case MarkCode::DeliveryDatePast:
        return QStringLiteral("datePast");
    case MarkCode::DeliveryDateBad:
        return QStringLiteral("dateBad");
    case MarkCode::NotPrinted:
        return QStringLiteral("notPrinted");
    case MarkCode::Overlap:
        return QStringLiteral("overlap");
    case MarkCode::PostalCodeMismatch:
        return QStringLiteral("zipMismatch");
    case MarkCode::Unmapped:
        return QStringLiteral("unmapped");
    case MarkCode::TooManyItems:
        return QStringLiteral("tooManyItems");
    case MarkCode::DifferingValues:
        return QStringLiteral("differing");
    case MarkCode::CashOnDelivery:
        return QStringLiteral("cashOnDelivery");
    case MarkCode::TimeSlotMoved:
        return QStringLiteral("timeSlotMoved");
    }
    return QStringLiteral("other");
}

QList<store::BatchMark> listMarks(const QList<orders::Mark>& marks)
{
    QList<store::BatchMark> out;
    out.reserve(marks.size());
    for (const orders::Mark& m : marks)
        out.append({markKey(m.code), m.text});
    return out;
}

QString markCaption(const QString& key)
{
    for (int code = 0; code < orders::kMarkCodes; ++code) {
        if (markKey(orders::MarkCode(code)) == key)
            return orders::markText(orders::MarkCode(code));
    }
    return key;
}

QList<store::BatchMark> checkedMarks(const slip::SlipValues& slip, RowCheck& check)
{
    return listMarks(check.marks(slip));
}

QList<store::BatchMark> importMarks(const QList<store::BatchMark>& marks)
{
    using orders::MarkCode;
    QStringList keys;
    for (int code = 0; code < orders::kMarkCodes; ++code) {
        if (orders::isImportMark(MarkCode(code)))
            keys << markKey(MarkCode(code));
    }
    QList<store::BatchMark> kept;
    for (const store::BatchMark& m : marks) {
        if (keys.contains(m.code))
            kept.append(m);
    }
    return kept;
}

QString orderSource(std::optional<orders::FormatId> format)
{
    if (format == orders::FormatId::Carrier)
        return QStringLiteral("carrier");
    // Both Rakuten layouts number the same orders; our own export and a chosen mapping are no one's.
    return format ? slip::marketplaceKey(orders::orderFormat(*format).marketplace) : QString();
}

QList<store::BatchRow> batchRows(const orders::OrderImport& imported, const QString& sourceFile,
                                 RowCheck& check)
{
    QList<store::BatchRow> rows;
    rows.reserve(imported.slips.size());
    for (const orders::ImportedSlip& s : imported.slips) {
        store::BatchRow row;
        row.slip = s.values;
        row.marks = listMarks(check.importedMarks(s.values, s.marks));
        row.orderNumber = s.orderNumber;
        row.orderSource = orderSource(imported.format);
        row.sourceFile = sourceFile;
        rows.append(row);
    }
    return rows;
}

Added addRows(store::BatchList& list, const QList<store::BatchRow>& rows, bool allowDuplicates)
{
    Added result;
    QList<bool> skip(rows.size(), false);
    if (allowDuplicates) {
        list.add(rows);
    } else {
        for (const store::BatchDuplicate& d : list.addNew(rows))
            skip[d.index] = true;
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (skip[i]) {
            result.skipped.append(rows[i]);
            continue;
        }
        ++result.added;
        result.marked += rows[i].marks.isEmpty() ? 0 : 1;
    }
    return result;
}

QStringList skippedNames(const Added& added)
{
    QStringList names;
    for (const store::BatchRow& row : added.skipped) {
        const QString order = row.orderNumber.trimmed();
        names << (order.isEmpty() ? row.slip.name : order);
    }
    return names;
}

orders::OrderImport importFile(const QString& path, const QString& dataFolder,
                               const orders::ImportContext& context)
{
    const orders::OrderFile file = orders::readOrderFile(path);
    orders::OrderImport imported = orders::importOrders(file, context);
    if (imported.format)
        return imported;
    if (const auto mapping = ProgramSettings(dataFolder).columnMapping(imported.headerKey)) {
        imported.slips = orders::slipsFrom(file, *mapping, context);
        return imported;
    }
    throw Error(QStringLiteral("%1\n見出しの行が知っている形式のどれとも合いません。"
                               "一括の画面で取り込んで、列の割り当てを選んでください。")
                    .arg(QFileInfo(path).absoluteFilePath()));
}

} // namespace rova::batch
