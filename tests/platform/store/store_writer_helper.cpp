// SPDX-License-Identifier: GPL-3.0-or-later
// A second process that writes to the database without pause, for the kill test:
//   store_writer_helper FOLDER   records a history entry and adds a batch of rows in turn, printing
//                                after each commit "history ID" or "batch FIRST LAST"; runs until
//                                killed, or prints "error MESSAGE" and exits 1
#include "platform/store/batchlist.h"
#include "platform/store/history.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2)
        return 64;
    try {
        rova::store::History history(app.arguments()[1]);
        rova::store::BatchList list(app.arguments()[1]);
        for (int round = 0;; ++round) {
            rova::store::HistoryEntry entry;
            entry.slip.name = QStringLiteral("書き手%1").arg(round);
            std::printf("history %lld\n", history.record(entry));
            QList<rova::store::BatchRow> rows(50);
            for (rova::store::BatchRow& row : rows) {
                row.slip.name = entry.slip.name;
                row.sourceFile = QStringLiteral("helper");
            }
            const QList<qint64> ids = list.add(rows);
            std::printf("batch %lld %lld\n", ids.first(), ids.last());
            std::fflush(stdout);
        }
    } catch (const rova::Error& e) {
        std::printf("error %s\n", e.what());
        return 1;
    }
}
