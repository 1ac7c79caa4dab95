// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/indexbuild.h"

#include "rules/postal/addresskey.h"
#include "rules/postal/dictionaryfile.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace rova::postal
{

namespace
{

using Cities = std::unordered_map<Key, quint64>; // city key → prefectures, one bit each

quint64 prefectureBit(int prefecture)
{
    return quint64(1) << (prefecture + 1);
}

bool fits(QStringView text)
{
    return text.size() <= std::numeric_limits<quint16>::max();
}

void addEntry(IndexTables& data, const Entry& entry)
{
    const KeyedAddress keyed = keyedAddress(entry.address);
    if (keyed.rest.isEmpty() || !fits(entry.address) || !fits(entry.office) || !fits(keyed.rest))
        return;
    const auto append = [&](QStringView s) {
        const auto at = quint32(data.text.size());
        data.text += s;
        return at;
    };
    Record r;
    r.code = quint32(entry.code);
    r.address = append(entry.address);
    r.addressLength = quint16(entry.address.size());
    r.office = append(entry.office);
    r.officeLength = quint16(entry.office.size());
    r.key = append(keyed.rest);
    r.keyLength = quint16(keyed.rest.size());
    r.prefecture = qint8(keyed.prefecture);
    data.records.push_back(r);
}

Cities cityLevelKeys(const IndexData& data)
{
    Cities cities;
    for (const Record& r : data.records) {
        if (r.code % 100 == 0 && !data.isOffice(r))
            cities[data.key(r)] |= prefectureBit(r.prefecture);
    }
    return cities;
}

size_t cityLength(const IndexData& data, const Cities& cities, const Record& r)
{
    const Key key = data.key(r);
    for (size_t end = key.size(); end > 0; --end) {
        if (Key(u"市区町村").find(key[end - 1]) == Key::npos)
            continue;
        const auto found = cities.find(key.substr(0, end));
        if (found != cities.end() && (found->second & prefectureBit(r.prefecture)))
            return end;
    }
    return key.size();
}

// Towns and villages belong to a county, named before them: "北安曇郡松川村".
size_t countyLength(Key city)
{
    if (!city.ends_with(u'町') && !city.ends_with(u'村'))
        return 0;
    const size_t at = city.find(u'郡');
    return at != Key::npos && at >= 1 && at + 2 < city.size() ? at + 1 : 0;
}

void setCities(IndexTables& tables)
{
    const IndexData data = IndexData::of(tables);
    const Cities cities = cityLevelKeys(data);
    for (Record& r : tables.records) {
        r.cityLength = quint8(std::min<size_t>(cityLength(data, cities, r), 255));
        r.countyLength = quint8(countyLength(data.city(r)));
    }
}

void sortTowns(IndexTables& tables)
{
    const IndexData data = IndexData::of(tables);
    // Sorted as (key, record) pairs next to each other: looking each key up through its record
    // takes several times as long.
    std::vector<std::pair<Key, quint32>> towns;
    for (quint32 i = 0; i < data.records.size(); ++i) {
        if (data.isOffice(data.records[i]))
            continue;
        towns.emplace_back(data.key(data.records[i]), i);
        if (data.records[i].countyLength > 0)
            tables.counties.push_back(i);
    }
    std::sort(towns.begin(), towns.end());
    tables.byKey.reserve(towns.size());
    for (const auto& town : towns)
        tables.byKey.push_back(town.second);

    const auto countyOrder = [&](quint32 a, quint32 b) {
        const Record& ra = data.records[a];
        const Record& rb = data.records[b];
        return std::tuple(data.cityWithoutCounty(ra), ra.prefecture, data.city(ra)) <
               std::tuple(data.cityWithoutCounty(rb), rb.prefecture, data.city(rb));
    };
    const auto sameCity = [&](quint32 a, quint32 b) {
        const Record& ra = data.records[a];
        const Record& rb = data.records[b];
        return ra.prefecture == rb.prefecture && data.city(ra) == data.city(rb);
    };
    std::sort(tables.counties.begin(), tables.counties.end(), countyOrder);
    tables.counties.erase(std::unique(tables.counties.begin(), tables.counties.end(), sameCity),
                          tables.counties.end());
}

} // namespace

IndexTables buildIndex(QStringView towns, QStringView offices)
{
    IndexTables data;
    // Addresses, office names and keys together take about twice the files' text.
    data.text.reserve(2 * (towns.size() + offices.size()));
    forEachEntry(towns, ListKind::Towns, [&](const Entry& e) { addEntry(data, e); });
    forEachEntry(offices, ListKind::Offices, [&](const Entry& e) { addEntry(data, e); });
    data.text.squeeze();
    std::stable_sort(data.records.begin(), data.records.end(),
                     [](const Record& a, const Record& b) { return a.code < b.code; });
    setCities(data);
    sortTowns(data);
    return data;
}

} // namespace rova::postal
