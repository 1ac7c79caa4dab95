// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/postal: the postal dictionary, codes to addresses and back, read from the installed lists.
//
// The postal dictionary in memory: codes to places, addresses to codes, and whether the two agree.

#include "rules/postal/indexdata.h"

#include <QList>
#include <QString>

#include <memory>
#include <span>

namespace rova::postal
{

// One address the dictionary gives for a code.
struct Place {
    QString code;    // "105-0011"
    QString address; // prefecture, city and town; an office's full address
    QString office;  // the office's name; empty for a town
    bool operator==(const Place&) const = default;
};

class Index
{
public:
    Index() = default;
    explicit Index(IndexTables tables);
    // Tables that `keeper` holds where they lie (a mapped file), for as long as the index lives.
    Index(const IndexData& data, std::shared_ptr<const void> keeper)
        : m_keeper(std::move(keeper)), m_data(data)
    {
    }

    const IndexData& data() const { return m_data; }
    bool isEmpty() const { return m_data.records.empty(); }

    // Every entry of the code, towns first, in the files' order.
    QList<Place> places(int code) const;
    // The towns whose address is the longest found at the start of `address` (prefecture, county
    // and widths as the key rules allow), one per code, in code order. Offices are left out: their
    // codes belong to their own holder.
    QList<Place> townsAt(QStringView address) const;
    // True when the address fits one of the code's entries: it starts with the entry's prefecture
    // (when it names one) and city, and when it goes on, with the entry's town (its land division
    // may be left out), no other town of the list matching more of it.
    bool agrees(int code, QStringView address) const;

private:
    struct Variant;
    struct Match;
    std::span<const Record> recordsOf(int code) const;
    std::vector<Variant> variants(QStringView address) const;
    Match longestMatch(Key key, int prefecture) const;
    Key areaOf(const Record& r) const;
    bool agreesWith(const Record& r, const Variant& v) const;
    Place place(const Record& r) const;

    std::shared_ptr<const void> m_keeper;
    IndexData m_data;
};

} // namespace rova::postal
