// SPDX-License-Identifier: GPL-3.0-or-later
// The printer list operations against a private CUPS server holding 1, 10, 50 and 200 queues:
// every run uses a fresh printer model, so the catalogue and the lists are read from the server.
// The queue asked for its papers and bins is the last system printer, described as a slip printer.
// libcups alone, reading the whole list and one queue, is measured alongside as the floor.

#include "queues.h"
#include "stats.h"

#include "platform/print/installedprinters.h"
#include "platform/print/printerchoice.h"
#include "rules/errors.h"

#include <QApplication>
#include <QMap>

#include <cups/cups.h>

#include <cstdio>
#include <memory>

namespace
{

const QString slipQueue = QStringLiteral("zz-slip");

struct Figures {
    bench::Samples names, select, papers, bins;
    bench::Samples allDests, oneDest; // what libcups alone takes for the whole list and for one queue
};

void readAllDestinations()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cupsFreeDests(count, dests);
}

void readOneDestination()
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, slipQueue.toUtf8().constData(), nullptr);
    cupsFreeDests(dest ? 1 : 0, dest);
}

Figures measure(int runs)
{
    Figures f;
    const auto system = rova::print::installedPrinters([](const QString&) { return QString(); }, {});
    for (int i = 0; i < runs; ++i) {
        std::unique_ptr<rova::print::PrinterChoice> printer;
        int index = -1;
        // The model reads the catalogue when it is made, so making it is part of listing the names.
        f.names.values << bench::timeMs([&] {
            printer = std::make_unique<rova::print::PrinterChoice>(*system);
            index = int(printer->printerNames().indexOf(slipQueue));
        });
        if (index < 0)
            throw rova::Error(QStringLiteral("%1 is not in the printer list").arg(slipQueue));
        f.select.values << bench::timeMs([&] { printer->setCurrentIndex(index); });
        f.papers.values << bench::timeMs([&] { printer->paperNames(); });
        f.bins.values << bench::timeMs([&] { printer->binNames(); });
        f.allDests.values << bench::timeMs(readAllDestinations);
        f.oneDest.values << bench::timeMs(readOneDestination);
    }
    return f;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());

    PrivateCupsServer server;
    QString why;
    if (!server.start(&why)) {
        std::fprintf(stderr, "printer list skipped: %s\n", qPrintable(why));
        return 2;
    }
    const QString error =
        server.addQueue(slipQueue, QStringLiteral(ROVA_SOURCE_DIR "/tests/data/rova-test-slip.ppd"));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "printer list skipped: %s\n", qPrintable(error));
        return 2;
    }

    QMap<int, Figures> byCount;
    int queues = 1;
    for (const int count : {1, 10, 50, 200}) {
        if (!bench::addQueues(server, queues, count - 1, &why)) {
            std::fprintf(stderr, "printer list stopped: %s\n", qPrintable(why));
            return 1;
        }
        queues = count;
        try {
            byCount.insert(count, measure(runs));
        } catch (const rova::Error& e) {
            std::fprintf(stderr, "printer list failed at %d queues: %s\n", count, qPrintable(e.message()));
            return 1;
        }
        const Figures& now = byCount[count];
        const Figures& one = byCount[1];
        const QString ref = QStringLiteral("1 queue");
        const QString at = QStringLiteral(", %1 queues").arg(count);
        bench::report(QStringLiteral("printer names (new printer model)") + at, now.names,
                      QStringLiteral("ms"), ref, one.names);
        bench::report(QStringLiteral("printer chosen (setCurrentIndex)") + at, now.select,
                      QStringLiteral("ms"), ref, one.select);
        bench::report(QStringLiteral("printer chosen (setCurrentIndex) against one cupsGetDests2") + at,
                      now.select, QStringLiteral("ms"), QStringLiteral("cupsGetDests2"), now.allDests);
        bench::report(QStringLiteral("libcups: cupsGetDests2") + at, now.allDests, QStringLiteral("ms"), ref,
                      one.allDests);
        bench::report(QStringLiteral("libcups: cupsGetNamedDest") + at, now.oneDest, QStringLiteral("ms"),
                      ref, one.oneDest);
        bench::report(QStringLiteral("paper names") + at, now.papers, QStringLiteral("ms"), ref, one.papers);
        bench::report(QStringLiteral("bin names") + at, now.bins, QStringLiteral("ms"), ref, one.bins);
    }
    return 0;
}
