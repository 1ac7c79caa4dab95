// SPDX-License-Identifier: GPL-3.0-or-later
// Stations sharing one list of 3,000 ticked rows on a private PostgreSQL server: three real programs
// (`--print-batch`, each with its data folder and station name) started at once, to the built-in PDF
// printer a private CUPS scheduler lets them choose, against one program printing the same list
// alone. Each round checks that every row was printed once (pages = rows, all marked printed) and
// recorded once; the figure is the wall time from the first start to the last exit, per slip.

#include "stats.h"
#include "storeslips.h"
#include "support/pdfwords.h"
#include "support/privatecupsserver.h"
#include "support/privatepostgresserver.h"

#include "platform/store/batchlist.h"
#include "rules/slip/sliplayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

constexpr int slips = 3000;

QList<rova::store::BatchRow> tickedRows()
{
    QList<rova::store::BatchRow> rows;
    for (rova::slip::SlipValues slip : bench::storeSlips(slips, 3)) {
        slip.slipType = rova::slip::slipTypes().first();
        rova::store::BatchRow& row = rows.emplace_back();
        row.slip = slip;
        row.orderNumber = QStringLiteral("S-%1").arg(rows.size());
    }
    return rows;
}

struct Round {
    double ms = 0;
    QList<int> printed; // by each station
};

// A new database holding the list, printed by `stations` programs started together.
bool printRound(PrivatePostgresServer& server, const QString& cups, int stations, Round* round, QString* why)
{
    const auto failed = [why](const QString& reason) {
        *why = reason;
        return false;
    };
    const QString uri = server.newDatabase(why);
    if (uri.isEmpty())
        return false;
    QTemporaryDir dir;
    rova::store::BatchList(rova::store::Location(dir.filePath(QStringLiteral("data1")), uri))
        .add(tickedRows());

    std::vector<std::unique_ptr<QProcess>> programs;
    for (int i = 1; i <= stations; ++i) {
        const QString data = dir.filePath(QStringLiteral("data%1").arg(i));
        const QString home = dir.filePath(QStringLiteral("home%1").arg(i));
        QDir().mkpath(data);
        QDir().mkpath(home);
        QFile settings(data + QStringLiteral("/rova-yamato.conf"));
        if (!settings.open(QIODevice::WriteOnly) ||
            settings.write(QStringLiteral("[station]\nname=梱包%1\n").arg(i).toUtf8()) < 0)
            return failed(QStringLiteral("cannot write %1").arg(settings.fileName()));
        settings.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "ROVA_DATA_DIR", "XDG_CONFIG_HOME", "ROVA_DATABASE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("CUPS_SERVER"), cups);
        env.insert(QStringLiteral("ROVA_ZIPCODE_DIR"), dir.filePath(QStringLiteral("no-postal")));
        auto& program = programs.emplace_back(std::make_unique<QProcess>());
        program->setProcessEnvironment(env);
        program->setArguments({QStringLiteral("--data-dir"), data, QStringLiteral("--database"), uri,
                               QStringLiteral("--print-batch"), QStringLiteral("--include-marked")});
        program->setProgram(QStringLiteral(ROVA_BIN "/rova-yamato"));
    }
    round->printed.clear();
    round->ms = bench::timeMs([&] {
        for (auto& program : programs)
            program->start();
        for (auto& program : programs)
            program->waitForFinished(1200000);
    });
    int pages = 0;
    for (int i = 0; i < stations; ++i) {
        QProcess& program = *programs[i];
        const QString err = QString::fromUtf8(program.readAllStandardError());
        if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
            return failed(QStringLiteral("station %1 failed: %2").arg(i + 1).arg(err.right(2000)));
        const QRegularExpressionMatch done =
            QRegularExpression(QStringLiteral("印刷 (\\d+) / \\d+ 枚\n$")).match(err);
        round->printed << (done.hasMatch() ? done.captured(1).toInt() : 0);
        const QDir home(dir.filePath(QStringLiteral("home%1").arg(i + 1)));
        for (const QString& pdf : home.entryList({QStringLiteral("*.pdf")}))
            pages += pdfPageCount(home.filePath(pdf));
    }
    int left = 0;
    for (const rova::store::BatchRow& row :
         rova::store::BatchList(rova::store::Location(dir.filePath(QStringLiteral("data1")), uri)).rows())
        left += row.status != rova::store::BatchStatus::Printed;
    const int recorded = server.value(uri, QStringLiteral("SELECT count(*) FROM history")).toInt();
    if (pages != slips || left != 0 || recorded != slips)
        return failed(QStringLiteral("%1 pages, %2 rows left, %3 records of %4 rows")
                          .arg(pages)
                          .arg(left)
                          .arg(recorded)
                          .arg(slips));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // A round prints the list twice over; a few rounds are enough for its spread.
    const int runs = std::min(bench::runsFromArguments(app.arguments()), 3);
    PrivateCupsServer cups;
    PrivatePostgresServer server;
    QString why;
    if (!cups.start(&why) || !server.start(&why)) {
        std::printf("# stations on one server not measured: %s\n", qPrintable(why));
        return 2;
    }
    bench::Samples three, one;
    Round round;
    QList<int> shares;
    for (int i = 0; i < runs; ++i) {
        if (!printRound(server, cups.socketPath(), 3, &round, &why)) {
            std::fprintf(stderr, "three stations: %s\n", qPrintable(why));
            return 1;
        }
        three.values << round.ms / slips;
        shares = round.printed;
        if (!printRound(server, cups.socketPath(), 1, &round, &why)) {
            std::fprintf(stderr, "one station: %s\n", qPrintable(why));
            return 1;
        }
        one.values << round.ms / slips;
    }
    std::printf("# slips printed by each of three stations in the last round: %d / %d / %d\n",
                shares.value(0), shares.value(1), shares.value(2));
    bench::report(QStringLiteral("three stations print 3,000 rows on one server, per slip"), three,
                  QStringLiteral("ms"), QStringLiteral("one station alone"), one);
    bench::report(QStringLiteral("one station prints 3,000 rows on a server, per slip"), one,
                  QStringLiteral("ms"));
    return 0;
}
