// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/cups/cupsprintsystem.h"

#include "platform/print/cups/cupsdestinations.h"
#include "platform/print/cups/cupsdevice.h"
#include "platform/print/cups/cupsjob.h"
#include "platform/print/printererror.h"
#include "rules/errors.h"

namespace rova::print
{

namespace
{

const char* noPassword(const char*, http_t*, const char*, const char*, void*)
{
    return nullptr;
}

// Where libcups looked, with its own words for the last failure.
PrinterError unreachableNow()
{
    return unreachable(QString::fromUtf8(cupsServer()), QString::fromUtf8(cupsLastErrorString()));
}

CupsDevice deviceOf(const QString& name)
{
    const CupsNamedDest dest(name);
    if (!dest.get()) {
        // libcups answers "not found" also when it found no scheduler to ask; the list tells which.
        if (const CupsDestList list; list.failed())
            throw unreachableNow();
        throw Error(QStringLiteral("プリンタ %1 が見つかりません").arg(name));
    }
    return readCupsDevice(*dest.get());
}

// The paper the job settings name; without a setting the destination's default, else its first.
const Paper& chosenPaper(const CupsDevice& device, const QString& name, std::optional<int> code)
{
    const std::optional<int> wanted = code ? code : device.caps.defaults.paper;
    for (const Paper& p : device.caps.papers) {
        if (!wanted || p.code == *wanted)
            return p;
    }
    throw Error(QStringLiteral("%1 には指定の用紙がありません").arg(name));
}

const Bin* chosenBin(const CupsDevice& device, std::optional<int> code)
{
    const std::optional<int> wanted = code ? code : device.caps.defaults.bin;
    for (const Bin& b : device.caps.bins) {
        if (wanted && b.code == *wanted)
            return &b;
    }
    return nullptr;
}

} // namespace

CupsPrintSystem::CupsPrintSystem()
{
    cupsSetPasswordCB2(noPassword, nullptr);
}

QList<Destination> CupsPrintSystem::destinations()
{
    const CupsDestList list;
    if (list.failed())
        throw unreachableNow();
    QList<Destination> read;
    for (int i = 0; i < list.count(); ++i)
        read.append(CupsDestList::describe(list.at(i)));
    m_lastDefault = list.defaultIndex();
    m_read = true;
    return read;
}

int CupsPrintSystem::defaultDestination()
{
    if (!m_read)
        destinations();
    return m_lastDefault;
}

Capabilities CupsPrintSystem::capabilities(const QString& name)
{
    return deviceOf(name).caps;
}

std::unique_ptr<Job> CupsPrintSystem::begin(const QString& name, const DeviceMode& mode,
                                            const JobTitle& title)
{
    const CupsDevice device = deviceOf(name);
    const Paper& paper = chosenPaper(device, name, mode.paper);
    CupsTicket ticket{name, title.title, {}};
    const auto add = [&ticket](const QByteArray& option, const QByteArray& value) {
        ticket.options.append(qMakePair(option, value));
    };
    add("media", paper.keyword.toUtf8());
    if (const Bin* bin = chosenBin(device, mode.bin); bin && !device.slotOption.isEmpty())
        add(device.slotOption, bin->keyword.toUtf8());
    const qsizetype resolution = device.caps.resolutions.indexOf(mode.resolution);
    if (resolution >= 0 && !device.resolutionOption.isEmpty())
        add(device.resolutionOption, device.resolutionValues.value(resolution).toUtf8());
    // The page is already laid out on the whole sheet: nothing may be fitted, scaled or centred.
    add("print-scaling", "none");
    add("fit-to-page", "false");
    return std::make_unique<CupsJob>(paper, mode.resolution, std::move(ticket));
}

} // namespace rova::print
