// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look-up tables of the postal dictionary, held in a few flat arrays so that a cache file can
// hold them as they are and be used where it lies.

#include "rules/postal/addresskey.h"

#include <QString>
#include <QStringView>

#include <QtGlobal>
#include <algorithm>
#include <span>
#include <type_traits>
#include <vector>

namespace rova::postal
{

// One entry: a town, or an office with its name. Texts are offsets into the text table.
struct Record {
    quint32 code = 0;
    quint32 address = 0;
    quint32 office = 0;
    quint32 key = 0; // the address's comparison key without the prefecture
    quint16 addressLength = 0;
    quint16 officeLength = 0;
    quint16 keyLength = 0;
    qint8 prefecture = -1;
    quint8 cityLength = 0;   // the part of the key naming the city (county included)
    quint8 countyLength = 0; // the county part of the key ("北安曇郡"), 0 when there is none
    quint8 reserved[3] = {}; // written as zeros: the record is stored byte for byte
};
static_assert(std::has_unique_object_representations_v<Record>);

// The tables as the build makes them.
struct IndexTables {
    QString text;
    std::vector<Record> records;   // by code; within one code in the files' order, towns first
    std::vector<quint32> byKey;    // the towns among `records`, by key
    std::vector<quint32> counties; // one town per city within a county, by the city's name without it
};

// The tables where they lie: built in memory or mapped from the cache file. Every offset is checked
// as it is used, so that a table from a file can never lead a read outside it: a text out of range
// reads as empty, an entry out of range as an empty entry.
struct IndexData {
    QStringView text;
    std::span<const Record> records;
    std::span<const quint32> byKey;
    std::span<const quint32> counties;

    static IndexData of(const IndexTables& t) { return {t.text, t.records, t.byKey, t.counties}; }

    const Record& record(quint32 i) const
    {
        static const Record none;
        return i < records.size() ? records[i] : none;
    }
    QStringView view(quint32 at, quint16 length) const
    {
        return quint64(at) + length <= quint64(text.size()) ? text.sliced(at, length) : QStringView();
    }
    Key key(const Record& r) const { return keyOf(view(r.key, r.keyLength)); }
    Key city(const Record& r) const { return key(r).substr(0, r.cityLength); }
    Key cityWithoutCounty(const Record& r) const
    {
        const Key c = city(r);
        return c.substr(std::min<size_t>(r.countyLength, c.size()));
    }
    bool isOffice(const Record& r) const { return r.officeLength > 0; }
};

} // namespace rova::postal
