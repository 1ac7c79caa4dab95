// SPDX-License-Identifier: GPL-3.0-or-later
// The batch list with 10,000 rows: adding them in one step (an import), listing them all (opening
// the batch window), finding which of 10,000 incoming rows repeat them, marking 1,000 printed, and
// the check an open window makes for changes.

#include "stats.h"
#include "storeslips.h"

#include "platform/store/batchlist.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

namespace
{
constexpr int rows = 10000;
constexpr int printedRows = 1000;

QList<rova::store::BatchRow> batchRows(unsigned seed)
{
    QList<rova::store::BatchRow> made;
    int n = 0;
    for (const rova::slip::SlipValues& slip : bench::storeSlips(rows, seed)) {
        rova::store::BatchRow& row = made.emplace_back();
        row.slip = slip;
        row.orderNumber = QStringLiteral("%1-%2").arg(seed).arg(++n, 6, 10, QLatin1Char('0'));
        row.sourceFile = QStringLiteral("/home/shop/注文/orders-%1.csv").arg(seed);
        if (n % 7 == 0)
            row.marks = {{QStringLiteral("add1"), QStringLiteral("住所①が 40 バイトを超えます")}};
    }
    return made;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());
    const QList<rova::store::BatchRow> imported = batchRows(1), incoming = batchRows(2);

    qsizetype seen = 0; // summed so that no call can be left out as unused
    bench::Timings adding, listing, duplicates, printing, polling;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir dir;
        auto list = std::make_unique<rova::store::BatchList>(dir.path());
        QList<qint64> ids;
        adding.measure([&] { ids = list->add(imported); });
        list = std::make_unique<rova::store::BatchList>(dir.path()); // the window's own connection
        listing.measure([&] { seen += list->rows().size(); });
        duplicates.measure([&] { seen += list->duplicates(incoming).size(); });
        printing.measure([&] { list->markPrinted(ids.mid(0, printedRows), QDateTime::currentDateTime()); });
        polling.measure([&] { seen += list->revision(); });
    }
    bench::report(QStringLiteral("batch list, add 10,000 rows at once"), adding);
    bench::report(QStringLiteral("batch list of 10,000, list every row"), listing);
    bench::report(QStringLiteral("batch list of 10,000, duplicates of 10,000 more"), duplicates);
    bench::report(QStringLiteral("batch list of 10,000, mark 1,000 printed"), printing);
    bench::report(QStringLiteral("batch list of 10,000, check for changes"), polling);
    return seen < 0;
}
