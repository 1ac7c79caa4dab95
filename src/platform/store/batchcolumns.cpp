// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/batchcolumns.h"

#include "platform/store/searchkey.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace rova::store
{

QString statusText(BatchStatus status)
{
    switch (status) {
    case BatchStatus::Printed:
        return QStringLiteral("printed");
    case BatchStatus::Refused:
        return QStringLiteral("refused");
    case BatchStatus::New:
        break;
    }
    return QStringLiteral("new");
}

BatchStatus statusFromText(const QString& text)
{
    if (text == QLatin1String("printed"))
        return BatchStatus::Printed;
    if (text == QLatin1String("refused"))
        return BatchStatus::Refused;
    return BatchStatus::New;
}

QVariant marksColumn(const QList<BatchMark>& marks)
{
    if (marks.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    QJsonArray array;
    for (const BatchMark& m : marks)
        array.append(QJsonObject{{QStringLiteral("code"), m.code}, {QStringLiteral("text"), m.text}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QList<BatchMark> marksFromColumn(const QVariant& column)
{
    QList<BatchMark> marks;
    const QJsonArray array = QJsonDocument::fromJson(column.toString().toUtf8()).array();
    for (const QJsonValue& v : array)
        marks.append({v[QLatin1String("code")].toString(), v[QLatin1String("text")].toString()});
    return marks;
}

QString duplicateKey(const slip::SlipValues& s)
{
    const QStringList parts{searchKey(s.zip),  searchKey(s.add1 + s.add2 + s.add3),
                            searchKey(s.name), searchKey(s.tel),
                            searchKey(s.g1),   searchKey(s.g2),
                            searchKey(s.g3)};
    const bool blank = std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.isEmpty(); });
    return blank ? QString() : parts.join(QLatin1Char('\n'));
}

} // namespace rova::store
