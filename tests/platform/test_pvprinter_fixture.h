#pragma once
// Printers set up on the fake print system, and a way to say which error of the family was raised.

#include "platform/fakeprintsystem.h"
#include "platform/tpvprinter.h"

#include <QTest>

#include <functional>
#include <memory>

using rova::print::FakePrintSystem;
using PrinterOperation = std::function<void(TPvPrinter&)>;
Q_DECLARE_METATYPE(PrinterOperation)

// Alpha (visible), Beta (hidden), Gamma (visible, with its own papers and bins); Alpha is the default.
inline std::unique_ptr<FakePrintSystem> alphaBetaGamma()
{
    auto fake = std::make_unique<FakePrintSystem>();
    fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Alpha")));
    fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Beta"), true));
    FakePrintSystem::Printer gamma = FakePrintSystem::printer(QStringLiteral("Gamma"));
    gamma.capabilities.papers.append(
        {21, QStringLiteral("jpn_hagaki_100x148mm"), QStringLiteral("はがき"), {100, 148}, {3, 3, 3, 3}});
    gamma.capabilities.bins.prepend({7, QStringLiteral("Auto"), QStringLiteral("自動選択")});
    gamma.capabilities.defaults.paper = 21;
    gamma.capabilities.defaults.bin = 4;
    fake->addPrinter(gamma);
    fake->setDefault(0);
    return fake;
}

// Changes the paper (and the bin, when given) in the current printer's settings, as the operator
// would in the setup dialog, without telling the printer object to read them again.
inline void chooseSettings(TPvPrinter& printer, int paper, std::optional<int> bin = {})
{
    rova::print::DeviceMode mode = printer.CurrentDeviceMode();
    mode.paper = paper;
    if (bin)
        mode.bin = bin;
    printer.SetCurrentDeviceMode(mode);
}

// The class name of an error of the family, so that data rows can name the one they expect.
inline QString familyName(const EPvPrinter& e)
{
    if (dynamic_cast<const EPVPrinterRangeError*>(&e))
        return QStringLiteral("EPVPrinterRangeError");
    if (dynamic_cast<const EPVPrinterPaperSizeError*>(&e))
        return QStringLiteral("EPVPrinterPaperSizeError");
    if (dynamic_cast<const EPvPrinterBinError*>(&e))
        return QStringLiteral("EPvPrinterBinError");
    if (dynamic_cast<const EPvPrinterNoPrinter*>(&e))
        return QStringLiteral("EPvPrinterNoPrinter");
    if (dynamic_cast<const EPvPrinterNotSupported*>(&e))
        return QStringLiteral("EPvPrinterNotSupported");
    if (dynamic_cast<const EPvPrinterNoInfo*>(&e))
        return QStringLiteral("EPvPrinterNoInfo");
    if (dynamic_cast<const EPvPrinterIllegalIndex*>(&e))
        return QStringLiteral("EPvPrinterIllegalIndex");
    return QStringLiteral("EPvPrinter");
}

// Runs op and checks that it raised the named error of the family with exactly that message.
#define PV_EXPECT_ERROR(op, klass, text)                                                                     \
    do {                                                                                                     \
        try {                                                                                                \
            op;                                                                                              \
            QFAIL("no error raised");                                                                        \
        } catch (const EPvPrinter& e) {                                                                      \
            QCOMPARE(familyName(e), QString(klass));                                                         \
            QCOMPARE(e.message(), QString(text));                                                            \
        }                                                                                                    \
    } while (false)
