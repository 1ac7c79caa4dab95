#pragma once
// The CUPS destinations of this machine, in the order libcups lists them.

#include "platform/printsystem.h"

namespace rova::print
{

class CupsPrintSystem : public PrintSystem
{
public:
    // libcups is told never to ask for a password on the terminal; a server that wants one refuses.
    CupsPrintSystem();

    // When the scheduler cannot be reached, the list as it was last read (empty before any): a
    // scheduler that is restarting must not look as if every queue had been removed.
    QList<Destination> destinations() override;
    // As of the list last read, which is the catalogue the caller indexes.
    int defaultDestination() override;
    Capabilities capabilities(const QString& name) override;
    // The page covers the whole sheet of the chosen paper; the canvas origin is the corner of its
    // printable area. The job carries media, input slot, resolution, the title and no scaling.
    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const JobTitle& title) override;

private:
    QList<Destination> m_lastRead;
    int m_lastDefault = -1;
    bool m_read = false;
};

} // namespace rova::print
