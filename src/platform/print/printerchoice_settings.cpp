// SPDX-License-Identifier: GPL-3.0-or-later
// The current printer's settings and its paper and bin lists, read once per choice.

#include "platform/print/printerchoice.h"

#include "rules/slip/devicemapping.h"

namespace rova::print
{

using Text = errtext::Printer;

namespace
{

template <typename Choice> void takeList(const QList<Choice>& choices, QList<int>& codes, QStringList& names)
{
    codes.clear();
    names.clear();
    for (const Choice& c : choices) {
        codes.append(c.code);
        names.append(c.name);
    }
}

} // namespace

const Capabilities& PrinterChoice::capabilities()
{
    Current& now = current();
    if (!now.capabilities)
        now.capabilities = m_system.capabilities(m_catalogue.at(now.raw).name);
    return *now.capabilities;
}

const DeviceMode& PrinterChoice::snapshot()
{
    if (!m_snapshot)
        m_snapshot = current().mode;
    return *m_snapshot;
}

DeviceMode PrinterChoice::deviceMode()
{
    return current().mode;
}

void PrinterChoice::setDeviceMode(const DeviceMode& mode)
{
    current().mode = mode;
}

void PrinterChoice::updateLists()
{
    requireVisiblePrinter();
    const int raw = current().raw;
    if (raw == m_listsOf)
        return;
    snapshot();
    const Capabilities& caps = capabilities();
    takeList(caps.papers, m_paperCodes, m_paperNames);
    m_hasPapers = !caps.papers.isEmpty();
    takeList(caps.bins, m_binCodes, m_binNames);
    m_hasBins = !caps.bins.isEmpty();
    // Marked read only once read, so that a failed query is tried again next time.
    m_listsOf = raw;
}

void PrinterChoice::refresh()
{
    m_snapshot.reset();
    // Forgotten without choosing a printer, so that no printer at all is reported as such.
    if (m_current)
        m_current->capabilities.reset();
    m_listsOf = -1;
    updateLists();
}

int PrinterChoice::paperCode()
{
    requireVisiblePrinter();
    if (!snapshot().paper)
        throw PrinterError(PrinterError::Kind::NotSupported, errtext::printer(Text::PaperCodeNotSupported));
    return *snapshot().paper;
}

std::optional<Paper> PrinterChoice::currentPaper()
{
    requireVisiblePrinter();
    const std::optional<int> code = current().mode.paper;
    if (!code)
        return std::nullopt;
    for (const Paper& paper : capabilities().papers)
        if (paper.code == *code)
            return paper;
    return std::nullopt;
}

int PrinterChoice::binCode()
{
    requireVisiblePrinter();
    if (!snapshot().bin)
        throw PrinterError(PrinterError::Kind::NotSupported, errtext::printer(Text::BinCodeNotSupported));
    return *snapshot().bin;
}

int PrinterChoice::checkList(bool papers, errtext::Printer notSupported, errtext::Printer noInfo)
{
    requireVisiblePrinter();
    if (!(papers ? snapshot().paper : snapshot().bin))
        throw PrinterError(PrinterError::Kind::NotSupported, errtext::printer(notSupported));
    // The code is read before the lists are brought up to date.
    const int code = papers ? paperCode() : binCode();
    updateLists();
    if (!(papers ? m_hasPapers : m_hasBins))
        throw PrinterError(PrinterError::Kind::NoInfo, errtext::printer(noInfo));
    return code;
}

QStringList PrinterChoice::paperNames()
{
    checkList(true, Text::PaperNamesNotSupported, Text::PaperNamesNoInfo);
    return m_paperNames;
}

int PrinterChoice::paperIndex()
{
    const int code = checkList(true, Text::PaperIndexNotSupported, Text::PaperIndexNoInfo);
    const int at = int(m_paperCodes.indexOf(code));
    if (at < 0)
        throw PrinterError(PrinterError::Kind::PaperSize, errtext::printer(Text::PaperIndexNotFound));
    return at;
}

QStringList PrinterChoice::binNames()
{
    checkList(false, Text::BinNamesNotSupported, Text::BinNamesNoInfo);
    return m_binNames;
}

int PrinterChoice::binIndex()
{
    const int code = checkList(false, Text::BinIndexNotSupported, Text::BinIndexNoInfo);
    // A driver may list a bin code twice; the last one is the one meant.
    const int at = int(m_binCodes.lastIndexOf(code));
    if (at < 0)
        throw PrinterError(PrinterError::Kind::Bin, errtext::printer(Text::BinIndexNotFound));
    return at;
}

QPoint PrinterChoice::resolution()
{
    requireVisiblePrinter();
    return current().mode.resolution;
}

bool PrinterChoice::hasScale()
{
    requireVisiblePrinter();
    return snapshot().scale.has_value();
}

int PrinterChoice::scale()
{
    return hasScale() ? *snapshot().scale : 100;
}

QPoint PrinterChoice::printResolution()
{
    const QPoint dpi = resolution();
    const int percent = scale();
    return {slip::printResolution(dpi.x(), percent), slip::printResolution(dpi.y(), percent)};
}

} // namespace rova::print
