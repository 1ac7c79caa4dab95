// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/columnmapping.h"

#include <QCryptographicHash>

namespace rova::orders
{

namespace
{
const QString kRows = QStringLiteral("rows");
const QString kItems = QStringLiteral("items");
const QString kSlips = QStringLiteral("slips");
} // namespace

std::optional<int> ColumnMapping::column(Field field) const
{
    const int c = m_columns[int(field)];
    return c < 0 ? std::nullopt : std::optional<int>(c);
}

void ColumnMapping::setColumn(Field field, std::optional<int> column)
{
    m_columns[int(field)] = column.value_or(-1);
}

bool ColumnMapping::isEmpty() const
{
    return m_columns == filled();
}

FieldTexts ColumnMapping::texts(const QStringList& cells) const
{
    FieldTexts out;
    for (int f = 0; f < kFieldCount; ++f) {
        if (m_columns[f] >= 0 && m_columns[f] < cells.size())
            out[f] = cells[m_columns[f]].trimmed();
    }
    return out;
}

QString ColumnMapping::toText() const
{
    QStringList parts{kRows + u'=' + (rowsAreSlips ? kSlips : kItems)};
    for (int f = 0; f < kFieldCount; ++f) {
        if (m_columns[f] >= 0)
            parts << fieldKey(Field(f)) + u'=' + QString::number(m_columns[f]);
    }
    return parts.join(u';');
}

std::optional<ColumnMapping> ColumnMapping::fromText(const QString& text)
{
    ColumnMapping mapping;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList kv = part.split(u'=');
        if (kv.size() != 2)
            return std::nullopt;
        if (kv[0] == kRows) {
            if (kv[1] != kItems && kv[1] != kSlips)
                return std::nullopt;
            mapping.rowsAreSlips = kv[1] == kSlips;
            continue;
        }
        bool ok = false;
        const int column = kv[1].toInt(&ok);
        const std::optional<Field> field = fieldFromKey(kv[0]);
        if (!field || !ok || column < 0)
            return std::nullopt;
        mapping.setColumn(*field, column);
    }
    return mapping;
}

QString headerKey(const QStringList& header)
{
    QStringList cells;
    for (const QString& cell : header)
        cells << cell.trimmed();
    // Cells joined by a unit separator, which order files do not hold.
    const QByteArray digest =
        QCryptographicHash::hash(cells.join(QChar(0x1F)).toUtf8(), QCryptographicHash::Sha1);
    return QString::number(cells.size()) + u'-' + QString::fromLatin1(digest.toHex());
}

} // namespace rova::orders
