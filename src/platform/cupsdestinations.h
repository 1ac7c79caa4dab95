#pragma once
// The CUPS destinations (queues and their instances) as libcups lists them, held for one use.

#include "printsystem.h"

#include <cups/cups.h>

#include <memory>

namespace rova::print {

struct CupsDestInfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
// What cupsCopyDestInfo returned, freed with it.
using CupsDestInfo = std::unique_ptr<cups_dinfo_t, CupsDestInfoFree>;

class CupsDestList {
public:
    // Reads the list; when the scheduler cannot be reached the list is empty.
    CupsDestList();
    ~CupsDestList();
    CupsDestList(const CupsDestList&) = delete;
    CupsDestList& operator=(const CupsDestList&) = delete;

    int count() const { return m_count; }
    const cups_dest_t& at(int i) const { return m_dests[i]; }
    // By display name ("queue" or "queue/instance"); nullptr when it is not listed.
    cups_dest_t* find(const QString& name) const;
    // Position of the default destination, -1 when there is none.
    int defaultIndex() const;

    static QString nameOf(const cups_dest_t& dest);
    static Destination describe(const cups_dest_t& dest);
    static QString option(const cups_dest_t& dest, const char* name);

private:
    cups_dest_t* m_dests = nullptr;
    int m_count = 0;
};

} // namespace rova::print
