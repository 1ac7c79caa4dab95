// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/print/cups: the CUPS backend of the print system.
//
// The CUPS destinations of this machine, in the order libcups lists them.

#include "platform/print/printsystem.h"

namespace rova::print
{

class CupsPrintSystem : public PrintSystem
{
public:
    // libcups is told never to ask for a password on the terminal; a server that wants one refuses.
    CupsPrintSystem();

    // When the scheduler cannot be reached, raises PrinterError Unreachable with its reason: an
    // unknown list must look neither empty nor as it was.
    QList<Destination> destinations() override;
    // As of the list last read, which is the catalogue the caller indexes.
    int defaultDestination() override;
    Capabilities capabilities(const QString& name) override;
    // The page covers the whole sheet of the chosen paper; the canvas origin is the corner of its
    // printable area. The job carries media, input slot, resolution, the title and no scaling.
    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const JobTitle& title) override;

private:
    int m_lastDefault = -1;
    bool m_read = false;
};

} // namespace rova::print
