// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which column of an order file each slip field is read from, as a value that can be stored as
// text and remembered per header.

#include "rules/orders/orderfield.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace rova::orders
{

using FieldTexts = std::array<QString, kFieldCount>;

class ColumnMapping
{
public:
    // Each field takes one column (from 0) or nothing.
    std::optional<int> column(Field field) const;
    void setColumn(Field field, std::optional<int> column);
    bool isEmpty() const;

    // Rows that are lines of an order are gathered into slips by order number and destination;
    // rows that are slips already stay one slip each.
    bool rowsAreSlips = false;

    // The trimmed text of each field's column in `cells` (empty where a row is short).
    FieldTexts texts(const QStringList& cells) const;

    // "rows=items;zip=3;name=7": the fields in their order, by key. fromText gives nothing for a
    // text that is not of this form, names an unknown field or a column below 0.
    QString toText() const;
    static std::optional<ColumnMapping> fromText(const QString& text);

    friend bool operator==(const ColumnMapping&, const ColumnMapping&) = default;

private:
    static constexpr std::array<int, kFieldCount> filled()
    {
        std::array<int, kFieldCount> a{};
        a.fill(-1);
        return a;
    }
    std::array<int, kFieldCount> m_columns = filled();
};

// The same for the same header cells in the same order (blanks around a cell do not count), so a
// mapping chosen once can be found again for the next file with that header.
QString headerKey(const QStringList& header);

} // namespace rova::orders
