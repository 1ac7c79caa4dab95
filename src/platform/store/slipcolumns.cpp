// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/slipcolumns.h"

#include "platform/store/ordercolumn.h"
#include "platform/store/schema.h"

#include <QStringList>
#include <QVariant>

#include <array>

namespace rova::store
{

namespace
{
using slip::SlipValues;

struct Column {
    const char* name;
    const char* type;
    QVariant (*get)(const SlipValues&);
    void (*set)(SlipValues&, const QVariant&);
    int addedIn = 1; // the schema version whose step adds the column
};

template <auto field> constexpr Column text(const char* name)
{
    return {name, "TEXT", [](const SlipValues& s) { return QVariant(s.*field); },
            [](SlipValues& s, const QVariant& v) { s.*field = v.toString(); }};
}

template <auto field> constexpr Column flag(const char* name)
{
    return {name, "INTEGER", [](const SlipValues& s) { return QVariant(int(s.*field)); },
            [](SlipValues& s, const QVariant& v) { s.*field = v.toInt() != 0; }};
}

// A row of ticks as a text of 0 and 1, first box first ("010000"), readable in any SQLite tool.
template <auto field> constexpr Column ticks(const char* name)
{
    return {name, "TEXT",
            [](const SlipValues& s) {
                QString digits;
                for (const bool on : s.*field)
                    digits += on ? QLatin1Char('1') : QLatin1Char('0');
                return QVariant(digits);
            },
            [](SlipValues& s, const QVariant& v) {
                const QString digits = v.toString();
                auto& boxes = s.*field;
                for (size_t i = 0; i < boxes.size(); ++i)
                    boxes[i] = qsizetype(i) < digits.size() && digits[qsizetype(i)] == QLatin1Char('1');
            }};
}

const std::array columns = {
    text<&SlipValues::slipType>("slip_type"),
    text<&SlipValues::zip>("zip"),
    text<&SlipValues::tel>("tel"),
    text<&SlipValues::add1>("add1"),
    text<&SlipValues::add2>("add2"),
    text<&SlipValues::add3>("add3"),
    text<&SlipValues::name>("name"),
    Column{"font_size_index", "INTEGER", [](const SlipValues& s) { return QVariant(s.fontSizeIndex); },
           [](SlipValues& s, const QVariant& v) { s.fontSizeIndex = v.toInt(); }},
    text<&SlipValues::g1>("g1"),
    text<&SlipValues::g2>("g2"),
    text<&SlipValues::g3>("g3"),
    text<&SlipValues::count>("count"),
    // ISO date text, NULL for no date.
    Column{"slip_date", "TEXT",
           [](const SlipValues& s) {
               return s.date.isValid() ? QVariant(s.date.toString(Qt::ISODate))
                                       : QVariant(QMetaType::fromType<QString>());
           },
           [](SlipValues& s, const QVariant& v) { s.date = QDate::fromString(v.toString(), Qt::ISODate); }},
    flag<&SlipValues::printDate>("print_date"),
    text<&SlipValues::deliveryMonth>("delivery_month"),
    text<&SlipValues::deliveryDay>("delivery_day"),
    ticks<&SlipValues::timeSlots>("time_slots"),
    ticks<&SlipValues::promisedTimes>("promised_times"),
    flag<&SlipValues::printSender>("print_sender"),
    text<&SlipValues::myZip>("my_zip"),
    text<&SlipValues::myTel>("my_tel"),
    text<&SlipValues::myAdd1>("my_add1"),
    text<&SlipValues::myAdd2>("my_add2"),
    text<&SlipValues::myName>("my_name"),
    Column{"marketplace_order", "TEXT", [](const SlipValues& s) { return orderColumn(s.order); },
           [](SlipValues& s, const QVariant& v) { s.order = orderFromColumn(v); }, 7},
};

template <typename Each> QString joined(Each each, int version = schemaVersion)
{
    QStringList parts;
    for (const Column& c : columns) {
        if (c.addedIn <= version)
            parts << each(QString::fromLatin1(c.name), QString::fromLatin1(c.type));
    }
    return parts.join(QStringLiteral(", "));
}
} // namespace

QStringList slipColumnsAddedIn(int version)
{
    QStringList definitions;
    for (const Column& c : columns) {
        if (c.addedIn == version)
            definitions << QString::fromLatin1(c.name) + QLatin1Char(' ') + QString::fromLatin1(c.type);
    }
    return definitions;
}

QString slipColumnNames(int version)
{
    return joined([](const QString& name, const QString&) { return name; }, version);
}

QString slipPlaceholders()
{
    return joined([](const QString&, const QString&) { return QStringLiteral("?"); });
}

QString slipAssignments()
{
    return joined([](const QString& name, const QString&) { return name + QStringLiteral(" = ?"); });
}

int slipColumnCount()
{
    return int(columns.size());
}

void bindSlip(QSqlQuery& query, const SlipValues& slip, int first)
{
    for (size_t i = 0; i < columns.size(); ++i)
        query.bindValue(first + int(i), columns[i].get(slip));
}

SlipValues readSlip(const QSqlQuery& query, int first, int version)
{
    SlipValues slip;
    int at = first;
    for (const Column& c : columns) {
        if (c.addedIn <= version)
            c.set(slip, query.value(at++));
    }
    return slip;
}

} // namespace rova::store
