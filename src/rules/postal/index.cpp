// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/index.h"

#include "rules/postal/addresskey.h"
#include "rules/postal/postalcode.h"

#include <algorithm>
#include <ranges>
#include <set>

namespace rova::postal
{

// The address key as typed, and with each county the typed city may have been written without.
struct Index::Variant {
    int prefecture = -1; // -1: any
    QString key;
    size_t added = 0; // characters of a county put in front
};

struct Index::Match {
    size_t length = 0;
    std::vector<quint32> records;
};

namespace
{
// A county plus town name is at most this long; the search for one stops there.
constexpr size_t kLongestCity = 16;

// The town without its land division ("種市8地割" → "種市") when the typed address names none.
Key withoutLandDivision(Key area, Key typed)
{
    const Key division = u"地割";
    if (!area.ends_with(division) || typed.find(division) != Key::npos)
        return area;
    Key town = area.substr(0, area.size() - division.size());
    while (!town.empty() && town.back() >= u'0' && town.back() <= u'9')
        town.remove_suffix(1);
    return town;
}

// The elements of a sorted range whose projection equals value. Made of the two bounds because
// the subrange std::ranges::equal_range returns cannot be iterated with clang 14 and libstdc++ 12.
template <typename Range, typename Value, typename Projection>
std::span<const std::ranges::range_value_t<Range>> equalRange(const Range& sorted, const Value& value,
                                                              Projection projection)
{
    const auto first = std::ranges::lower_bound(sorted, value, {}, projection);
    return {first, std::ranges::upper_bound(first, std::ranges::end(sorted), value, {}, projection)};
}
} // namespace

Index::Index(IndexTables tables)
{
    auto owned = std::make_shared<const IndexTables>(std::move(tables));
    m_data = IndexData::of(*owned);
    m_keeper = std::move(owned);
}

Place Index::place(const Record& r) const
{
    return {formatCode(int(r.code)), m_data.view(r.address, r.addressLength).toString(),
            m_data.view(r.office, r.officeLength).toString()};
}

std::span<const Record> Index::recordsOf(int code) const
{
    return equalRange(m_data.records, quint32(code), &Record::code);
}

QList<Place> Index::places(int code) const
{
    QList<Place> list;
    for (const Record& r : recordsOf(code))
        list << place(r);
    return list;
}

std::vector<Index::Variant> Index::variants(QStringView address) const
{
    const KeyedAddress keyed = keyedAddress(address);
    std::vector<Variant> list{{keyed.prefecture, keyed.rest, 0}};
    const auto cityOf = [&](quint32 i) { return m_data.cityWithoutCounty(m_data.record(i)); };
    const Key typed = keyOf(keyed.rest);
    for (size_t n = 1; n <= std::min(typed.size(), kLongestCity); ++n) {
        for (const quint32 i : equalRange(m_data.counties, typed.substr(0, n), cityOf)) {
            const Record& r = m_data.record(i);
            if (keyed.prefecture >= 0 && r.prefecture != keyed.prefecture)
                continue;
            const Key county = m_data.city(r).substr(0, r.countyLength);
            list.push_back({r.prefecture,
                            QString::fromUtf16(county.data(), qsizetype(county.size())) + keyed.rest,
                            county.size()});
        }
    }
    return list;
}

Index::Match Index::longestMatch(Key key, int prefecture) const
{
    const auto keyOfTown = [&](quint32 i) { return m_data.key(m_data.record(i)); };
    for (size_t n = key.size(); n > 0; --n) {
        Match match{n, {}};
        for (const quint32 i : equalRange(m_data.byKey, key.substr(0, n), keyOfTown)) {
            if (prefecture < 0 || m_data.record(i).prefecture == prefecture)
                match.records.push_back(i);
        }
        if (!match.records.empty())
            return match;
    }
    return {};
}

QList<Place> Index::townsAt(QStringView address) const
{
    size_t best = 0;
    std::vector<quint32> found;
    for (const Variant& v : variants(address)) {
        Match m = longestMatch(keyOf(v.key), v.prefecture);
        if (m.length <= v.added || m.length - v.added < best)
            continue; // nothing, or no more of what was typed than the county put in front
        const size_t typed = m.length - v.added;
        if (typed > best)
            found.clear();
        best = typed;
        found.insert(found.end(), m.records.begin(), m.records.end());
    }
    std::sort(found.begin(), found.end());
    QList<Place> list;
    std::set<quint32> codes;
    for (const quint32 i : found) {
        if (codes.insert(m_data.record(i).code).second)
            list << place(m_data.record(i));
    }
    return list;
}

Key Index::areaOf(const Record& r) const
{
    if (!m_data.isOffice(r))
        return m_data.key(r);
    // An office's address goes on past its town; the town is the longest the town list knows.
    const size_t town = longestMatch(m_data.key(r), r.prefecture).length;
    return m_data.key(r).substr(0, std::max<size_t>(town, r.cityLength));
}

bool Index::agreesWith(const Record& r, const Variant& v) const
{
    if (v.prefecture >= 0 && v.prefecture != r.prefecture)
        return false;
    const Key key = keyOf(v.key);
    if (!key.starts_with(m_data.city(r)))
        return false;
    if (key.size() == r.cityLength)
        return true;
    const Key area = withoutLandDivision(areaOf(r), key);
    return key.starts_with(area) && area.size() >= longestMatch(key, r.prefecture).length;
}

bool Index::agrees(int code, QStringView address) const
{
    const std::vector<Variant> typed = variants(address);
    for (const Record& r : recordsOf(code)) {
        for (const Variant& v : typed) {
            if (agreesWith(r, v))
                return true;
        }
    }
    return false;
}

} // namespace rova::postal
