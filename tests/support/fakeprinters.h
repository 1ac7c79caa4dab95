// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printers set up on the fake print system, and a way to say which kind of printer error was raised.

#include "platform/print/printerchoice.h"
#include "support/fakeprintsystem.h"

#include <QTest>

#include <functional>
#include <memory>

using rova::print::FakePrintSystem;
using rova::print::PrinterChoice;
using rova::print::PrinterError;
using PrinterOperation = std::function<void(PrinterChoice&)>;
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
// would in the setup dialog, without telling the printer model to read them again.
inline void chooseSettings(PrinterChoice& printer, int paper, std::optional<int> bin = {})
{
    rova::print::DeviceMode mode = printer.deviceMode();
    mode.paper = paper;
    if (bin)
        mode.bin = bin;
    printer.setDeviceMode(mode);
}

// The name of an error's kind, so that data rows can name the one they expect.
inline QString kindName(PrinterError::Kind kind)
{
    using Kind = PrinterError::Kind;
    switch (kind) {
    case Kind::NoPrinter:
        return QStringLiteral("NoPrinter");
    case Kind::Range:
        return QStringLiteral("Range");
    case Kind::IllegalIndex:
        return QStringLiteral("IllegalIndex");
    case Kind::NotSupported:
        return QStringLiteral("NotSupported");
    case Kind::NoInfo:
        return QStringLiteral("NoInfo");
    case Kind::PaperSize:
        return QStringLiteral("PaperSize");
    case Kind::Bin:
        return QStringLiteral("Bin");
    case Kind::Unreachable:
        return QStringLiteral("Unreachable");
    case Kind::NotFound:
        return QStringLiteral("NotFound");
    }
    return QString();
}

// Runs op and checks that it raised a printer error of the named kind with exactly that message.
#define EXPECT_PRINTER_ERROR(op, klass, text)                                                                \
    do {                                                                                                     \
        try {                                                                                                \
            op;                                                                                              \
            QFAIL("no error raised");                                                                        \
        } catch (const PrinterError& e) {                                                                    \
            QCOMPARE(kindName(e.kind()), QString(klass));                                                    \
            QCOMPARE(e.message(), QString(text));                                                            \
        }                                                                                                    \
    } while (false)
