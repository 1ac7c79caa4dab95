#pragma once
// The printer object: lists the installed printers by visible index (hidden ones left out), selects
// one, answers its papers, bins, resolution and scale, runs one-page jobs, and notices when the
// installed printers or their ports change. Every problem is raised as an EPvPrinter.

#include "platform/epvprinter.h"
#include "platform/pvprinterstate.h"
#include "platform/tpvallprintersinfo.h"

#include "platform/printsystem.h"

#include <QObject>
#include <QStringList>

#include <bitset>
#include <memory>
#include <optional>

// Settings the current job settings may carry; the members the operations ask about.
using TPvCapabilities = std::bitset<17>;
enum TPvCapability { pcPaperSize = 1, pcScale = 4, pcBin = 6 };

class TPvPrinter : public QObject
{
    Q_OBJECT
public:
    // Without a system the program's print system is used, looked up anew on each use.
    explicit TPvPrinter(rova::print::PrintSystem* system = nullptr, QObject* parent = nullptr);
    ~TPvPrinter() override;

    rova::print::Canvas& GetCanvas();
    void BeginDoc(const QString& title);
    void Abort();
    void EndDoc();

    const QStringList& GetPrinterNames();
    int GetIndex();
    void SetIndex(int index);
    const QStringList& GetPaperSizeNames();
    int GetPaperSizeIndex();
    const QStringList& GetBinNames();
    int GetBinIndex();
    QPoint GetResolution();
    int GetScale();

    void CheckNoPrinter();
    TPvCapabilities GetCapabilities();
    int GetPaperSizeNumber();
    int GetBinNumber();
    const QStringList& GetPortNames();
    void UpdateDeviceLists();
    void Refresh();

    // The current printer's job settings as the print system holds them, and a way to change them
    // (the setup dialog writes the chosen paper and bin here).
    rova::print::DeviceMode CurrentDeviceMode();
    void SetCurrentDeviceMode(const rova::print::DeviceMode& mode);
    rova::print::PrintSystem& System();

    // Re-reads the catalogue and the ports; fires OnChange when either changed. Runs whenever the
    // application becomes active, which is when printers installed meanwhile can be noticed.
    void CheckForChanges();

signals:
    void OnChange(TPvPrinter* sender);

private:
    enum ListFlag { lfPapers = 1, lfBins = 2 };
    void CheckSupported(TPvCapability member, const char* message);
    // The checks shared by the name and position queries of one list; returns the current code.
    int CheckList(TPvCapability member, ListFlag flag, const char* notSupported, const char* noInfo);
    void LoadDevMode();
    void ClearDevMode();
    const TPvAllPrintersInfo& Catalogue();
    PvPrinterState& State();

    rova::print::PrintSystem* m_system;
    int m_generation = -1; // of the system the catalogue and state were read from
    std::unique_ptr<TPvAllPrintersInfo> m_catalogue;
    QList<int> m_paperNumbers;
    QStringList m_paperNames;
    QList<int> m_binNumbers;
    QStringList m_binNames;
    QStringList m_printerNames;
    QStringList m_portNames;
    int m_cachedIndex = -1;
    int m_listFlags = 0;
    std::optional<rova::print::DeviceMode> m_devMode;
    std::unique_ptr<PvPrinterState> m_state;
};

// The program's one printer object, alive until the process ends.
TPvPrinter& PvPrinter();
