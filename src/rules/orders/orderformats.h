// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order files the import knows, each one table of column-to-field rules, and recognising a
// file's format from its header row.

#include "rules/orders/columnmapping.h"
#include "rules/orders/orderfield.h"
#include "rules/slip/marketplaceorder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rova::orders
{

enum class FormatId { Rakuten, RakutenOld, Yahoo, Amazon, Carrier, Own };

struct ColumnRule {
    Field field;
    QStringList headers; // the column's header text, or other names the same column goes by
    bool needed = false; // the format is recognised only when every needed column is there
};

struct OrderFormat {
    FormatId id;
    QString name; // for the operator
    bool rowsAreSlips = false;
    QList<ColumnRule> rules;
    slip::Marketplace marketplace = slip::Marketplace::None; // whose shipping notice its slips go into
};

const QList<OrderFormat>& orderFormats();
const OrderFormat& orderFormat(FormatId id);

struct Recognised {
    FormatId format;
    ColumnMapping mapping;
};

// The format whose needed columns are all in `header` (the one that knows most of its columns
// when several are), with each of its rules bound to the first column of its names. Names are
// compared after Unicode NFKC, so full-width digits and colons match their half-width forms. Other
// columns are ignored. Nothing when no format fits.
std::optional<Recognised> recognise(const QStringList& header);

} // namespace rova::orders
