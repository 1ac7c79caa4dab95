// The current printer's settings and the paper and bin lists, read once per current printer.

#include "platform/tpvprinter.h"

namespace
{

template <typename Choice>
void takeList(const QList<Choice>& choices, QList<int>& numbers, QStringList& names)
{
    numbers.clear();
    names.clear();
    for (const Choice& c : choices) {
        numbers.append(c.code);
        names.append(c.name);
    }
}

} // namespace

void TPvPrinter::LoadDevMode()
{
    m_devMode = State().DeviceMode();
}

void TPvPrinter::ClearDevMode()
{
    m_devMode.reset();
}

rova::print::DeviceMode TPvPrinter::CurrentDeviceMode()
{
    return State().DeviceMode();
}

void TPvPrinter::SetCurrentDeviceMode(const rova::print::DeviceMode& mode)
{
    State().SetDeviceMode(mode);
}

TPvCapabilities TPvPrinter::GetCapabilities()
{
    CheckNoPrinter();
    if (!m_devMode)
        LoadDevMode();
    TPvCapabilities set;
    set[pcPaperSize] = m_devMode->paper.has_value();
    set[pcScale] = m_devMode->scale.has_value();
    set[pcBin] = m_devMode->bin.has_value();
    return set;
}

void TPvPrinter::CheckSupported(TPvCapability member, const char* message)
{
    if (!GetCapabilities()[member])
        throw EPvPrinterNotSupported(QString::fromLatin1(message));
}

void TPvPrinter::UpdateDeviceLists()
{
    CheckNoPrinter();
    const int current = State().Index();
    if (current == m_cachedIndex)
        return;
    GetCapabilities();
    m_listFlags = 0;
    const rova::print::Capabilities& caps = State().Capabilities();
    takeList(caps.papers, m_paperNumbers, m_paperNames);
    if (!caps.papers.isEmpty())
        m_listFlags |= lfPapers;
    takeList(caps.bins, m_binNumbers, m_binNames);
    if (!caps.bins.isEmpty())
        m_listFlags |= lfBins;
    // Marked current only once read, so that a failed query is tried again next time.
    m_cachedIndex = current;
}

void TPvPrinter::Refresh()
{
    ClearDevMode();
    State().ForgetCapabilities();
    m_cachedIndex = -1;
    UpdateDeviceLists();
}

int TPvPrinter::GetPaperSizeNumber()
{
    CheckNoPrinter();
    CheckSupported(pcPaperSize, "TPvPrinter.GetPaperSizeNumber: PaperSize is not Supported");
    if (!m_devMode)
        LoadDevMode();
    return *m_devMode->paper;
}

int TPvPrinter::GetBinNumber()
{
    CheckNoPrinter();
    CheckSupported(pcBin, "TPvPrinter.GetBinNumber: Bin is not Supported");
    if (!m_devMode)
        LoadDevMode();
    return *m_devMode->bin;
}

int TPvPrinter::CheckList(TPvCapability member, ListFlag flag, const char* notSupported, const char* noInfo)
{
    CheckNoPrinter();
    CheckSupported(member, notSupported);
    // The code is read before the lists are brought up to date.
    const int code = member == pcPaperSize ? GetPaperSizeNumber() : GetBinNumber();
    UpdateDeviceLists();
    if (!(m_listFlags & flag))
        throw EPvPrinterNoInfo(QString::fromLatin1(noInfo));
    return code;
}

const QStringList& TPvPrinter::GetPaperSizeNames()
{
    CheckList(pcPaperSize, lfPapers, "TPvPrinter.GetPaperSizeNames: PaperSize is not Supported",
              "TPvPrinter.GetPaperSizeNames: No Papersize Info Available");
    return m_paperNames;
}

int TPvPrinter::GetPaperSizeIndex()
{
    const int code =
        CheckList(pcPaperSize, lfPapers, "TPvPrinter.GetPaperSizeIndex: PaperSize is not Supported",
                  "TPvPrinter.GetPaperSizeIndex: No Papersize Info Available");
    const int at = int(m_paperNumbers.indexOf(code));
    if (at < 0)
        throw EPVPrinterPaperSizeError(
            QStringLiteral("TPvPrinter.GetPaperSizeIndex: Cannot Get Paper Index"));
    return at;
}

const QStringList& TPvPrinter::GetBinNames()
{
    CheckList(pcBin, lfBins, "TPvPrinter.GetBinNames: Bin is not Supported",
              "TPvPrinter.GetBinNames: No Bin Info Available");
    return m_binNames;
}

int TPvPrinter::GetBinIndex()
{
    const int code = CheckList(pcBin, lfBins, "TPvPrinter.GetBinIndex: Bin is not Supported",
                               "TPvPrinter.GetBinIndex: No Bin Info Available");
    // A driver may list a bin code twice; the last one is the one meant.
    const int at = int(m_binNumbers.lastIndexOf(code));
    if (at < 0)
        throw EPvPrinterBinError(QStringLiteral("TPvPrinter.GetBinIndex: Cannot Get Bin Index"));
    return at;
}

QPoint TPvPrinter::GetResolution()
{
    CheckNoPrinter();
    return State().DeviceMode().resolution;
}

int TPvPrinter::GetScale()
{
    CheckNoPrinter();
    if (!GetCapabilities()[pcScale])
        return 100;
    if (!m_devMode)
        LoadDevMode();
    return *m_devMode->scale;
}
