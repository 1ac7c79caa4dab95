#pragma once
// The catalogue of installed printers, read once from the print system and kept as it was read.

#include "platform/printsystem.h"

class TPvAllPrintersInfo
{
public:
    explicit TPvAllPrintersInfo(rova::print::PrintSystem& system);

    int Count() const { return int(m_entries.size()); }
    QString GetName(int i) const { return m_entries.at(i).name; }
    bool IsHidden(int i) const { return m_entries.at(i).hidden; }
    const QList<rova::print::Destination>& Entries() const { return m_entries; }
    // Same count, and at every position the same name (case-sensitive) and hidden flag.
    bool IsEqual(const TPvAllPrintersInfo& other) const;

private:
    QList<rova::print::Destination> m_entries;
};
