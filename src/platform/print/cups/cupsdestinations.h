// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CUPS destinations (queues and their instances) as libcups lists them, held for one use.

#include "platform/print/printsystem.h"

#include <cups/cups.h>

#include <memory>

namespace rova::print
{

struct CupsDestInfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
// What cupsCopyDestInfo returned, freed with it.
using CupsDestInfo = std::unique_ptr<cups_dinfo_t, CupsDestInfoFree>;

class CupsDestList
{
public:
    // Reads the list; when the scheduler cannot be reached the list is empty and failed() is true.
    CupsDestList();
    ~CupsDestList();
    CupsDestList(const CupsDestList&) = delete;
    CupsDestList& operator=(const CupsDestList&) = delete;

    int count() const { return m_count; }
    bool failed() const { return m_failed; }
    const cups_dest_t& at(int i) const { return m_dests[i]; }
    // Position of the default destination, -1 when there is none.
    int defaultIndex() const;

    static QString nameOf(const cups_dest_t& dest);
    static Destination describe(const cups_dest_t& dest);
    static QString option(const cups_dest_t& dest, const char* name);

private:
    cups_dest_t* m_dests = nullptr;
    int m_count = 0;
    bool m_failed = false;
};

// One destination asked for by its display name, without reading the whole list.
class CupsNamedDest
{
public:
    explicit CupsNamedDest(const QString& name);
    ~CupsNamedDest();
    CupsNamedDest(const CupsNamedDest&) = delete;
    CupsNamedDest& operator=(const CupsNamedDest&) = delete;

    // nullptr when CUPS does not know the name.
    cups_dest_t* get() const { return m_dest; }

private:
    cups_dest_t* m_dest = nullptr;
};

} // namespace rova::print
