// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/orders: order files into slips (reading, formats, mapping, marks) and our CSV export.
//
// An order file into slips, all or nothing: the file is read and checked whole before a single
// slip is handed out. The batch window and the command line both come through here.

#include "rules/orders/columnmapping.h"
#include "rules/orders/delimited.h"
#include "rules/orders/orderformats.h"
#include "rules/orders/ordertext.h"
#include "rules/orders/slipgathering.h"
#include "rules/slip/slipvalues.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace rova::orders
{

struct OrderFile {
    QString fileName;
    Encoding encoding = Encoding::Utf8;
    Table table;
};

// Raises rova::Error naming the file (and the line, where there is one) when it cannot be read,
// is not text in a known encoding, has broken quoting or no header row.
OrderFile readOrderFile(const QString& path);
OrderFile parseOrderFile(const QByteArray& bytes, const QString& fileName);

struct ImportContext {
    slip::SlipValues base; // the window's slip: slip type, date, sender, font size where a file has none
    QDate today;           // decides which delivery dates are past
};

struct OrderImport {
    std::optional<FormatId> format; // nothing: the header is of no known format
    QString headerKey;              // to remember a chosen mapping by
    QList<ImportedSlip> slips;      // empty when the header is unknown and no mapping was given
};

// Recognises the file's format from its header; an unknown header takes `remembered` when given.
OrderImport importOrders(const OrderFile& file, const ImportContext& context,
                         const std::optional<ColumnMapping>& remembered = std::nullopt);

// The file's rows through a mapping (a recognised format's, or one the operator chose). A row with
// an order number is one of `marketplace`'s orders, which its shipping notice will name.
QList<ImportedSlip> slipsFrom(const OrderFile& file, const ColumnMapping& mapping,
                              const ImportContext& context,
                              slip::Marketplace marketplace = slip::Marketplace::None);

} // namespace rova::orders
