// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/orderimport.h"

#include "rules/text/cp932.h"

#include "rules/errors.h"
#include "rules/files/fileio.h"
#include "rules/orders/rowslip.h"

namespace rova::orders
{

OrderFile readOrderFile(const QString& path)
{
    QByteArray bytes;
    try {
        bytes = fileio::readAll(path);
    } catch (const FileError& e) {
        // The path leads the message already, so the system's reason alone follows it.
        throw Error(QStringLiteral("%1 を読めません: %2").arg(path, e.reason()));
    }
    return parseOrderFile(bytes, path);
}

OrderFile parseOrderFile(const QByteArray& bytes, const QString& fileName)
{
    DecodedText decoded = decodeOrderText(bytes, fileName);
    // A minus sign or wave dash from a web shop is stored as code page 932's own hyphen or tilde.
    OrderFile file{fileName, decoded.encoding, parseDelimited(cp932::foldVariants(decoded.text), fileName)};
    if (file.table.header.cells.isEmpty())
        throw Error(placeMessage(fileName, 1, QStringLiteral("見出しの行がありません")));
    return file;
}

QList<ImportedSlip> slipsFrom(const OrderFile& file, const ColumnMapping& mapping,
                              const ImportContext& context, slip::Marketplace marketplace)
{
    QList<NumberedRow> rows;
    rows.reserve(file.table.rows.size());
    for (const Record& record : file.table.rows) {
        NumberedRow& row = rows.emplace_back(
            NumberedRow{record.line, rowSlip(mapping.texts(record.cells), context.base, context.today)});
        // Only a marketplace's order is one a notice can name; other files keep their number as before.
        if (marketplace == slip::Marketplace::None || row.slip.orderNumber.isEmpty())
            row.slip.values.order = {};
        else
            row.slip.values.order.marketplace = marketplace;
    }
    return gatherSlips(rows, mapping.rowsAreSlips, context.today);
}

OrderImport importOrders(const OrderFile& file, const ImportContext& context,
                         const std::optional<ColumnMapping>& remembered)
{
    OrderImport result;
    result.headerKey = headerKey(file.table.header.cells);
    if (const std::optional<Recognised> known = recognise(file.table.header.cells)) {
        result.format = known->format;
        result.slips = slipsFrom(file, known->mapping, context, orderFormat(known->format).marketplace);
    } else if (remembered) {
        result.slips = slipsFrom(file, *remembered, context);
    }
    return result;
}

} // namespace rova::orders
