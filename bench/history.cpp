// SPDX-License-Identifier: GPL-3.0-or-later
// The print history holding 100,000 slips: recording one more, opening the history window (a new
// connection and the newest 1,000 entries), searching as the operator types (a new search per
// keystroke), a search that finds nothing (the whole index read), and completing a name or telephone.
// The same on a private PostgreSQL server, the stations' shared store, against the file.

#include "stats.h"
#include "storeslips.h"

#include "platform/store/history.h"
#include "platform/store/schema.h"
#include "support/privatepostgresserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
constexpr int records = 100000;
constexpr int windowRows = 1000;
const QStringList typedTexts{"山田", "ﾔﾏﾀﾞ", "03-12", "０９０", "千代田", "530"};
const QStringList typedPrefixes{"佐藤", "ｻｲﾄｳ", "090-1", "０３"};

void fill(const rova::store::Location& where)
{
    rova::store::History history(where);
    const QDateTime first(QDate(2025, 1, 1), QTime(9, 0));
    rova::store::HistoryEntry entry;
    entry.printer = QStringLiteral("ラベル用");
    int i = 0;
    for (const rova::slip::SlipValues& slip : bench::storeSlips(records, 20261209)) {
        entry.printedAt = first.addSecs(360 * i++);
        entry.slip = slip;
        history.record(entry);
    }
}

// A history file of `records` slips six minutes apart, so it spans more than a year. Recording
// them one by one takes minutes, so the file is kept beside the benchmark for later runs; its name
// carries what it was made from.
QString filledHistory()
{
    const QString kept =
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/history-%1-schema%2.sqlite3").arg(records).arg(rova::store::schemaVersion);
    if (QFile::exists(kept))
        return kept;
    QTemporaryDir dir;
    fill(dir.path());
    QFile::copy(dir.filePath(rova::store::databaseFileName()), kept);
    return kept;
}

// Every beginning of each text, as the box holds it after each keystroke.
QStringList keystrokes(const QStringList& texts)
{
    QStringList strokes;
    for (const QString& text : texts)
        for (qsizetype n = 1; n <= text.size(); ++n)
            strokes << text.left(n);
    return strokes;
}

qsizetype found = 0; // summed so that no search can be left out as unused

// Every figure of one store; `engine` names it in the figures after the file's. Returns the search
// per keystroke, the other engine's reference.
bench::Samples measure(const rova::store::Location& where, const QString& engine, int runs,
                       const bench::Samples* reference)
{
    const QString of = QStringLiteral("history of 100,000%1, ").arg(engine);
    rova::store::History history(where);

    rova::store::HistoryEntry entry;
    bench::Timings recording;
    for (const rova::slip::SlipValues& slip : bench::storeSlips(runs * 20, 7)) {
        entry.slip = slip;
        recording.measure([&] { history.record(entry); });
    }
    bench::report(of + QStringLiteral("record one slip"), recording);

    bench::Timings opening;
    for (int i = 0; i < runs; ++i)
        opening.measure([&] {
            rova::store::History window(where);
            found += window.search({.limit = windowRows}).size();
        });
    bench::report(of + QStringLiteral("open: newest 1,000"), opening);

    const QStringList strokes = keystrokes(typedTexts);
    const rova::store::HistoryQuery oneMonth{QStringLiteral("山田"), QDate(2025, 6, 1), QDate(2025, 6, 30)};
    bench::Timings typing, nothing, ranged;
    for (int i = 0; i < runs; ++i) {
        for (const QString& text : strokes)
            typing.measure([&] { found += history.search({.text = text, .limit = windowRows}).size(); });
        nothing.measure([&] { found += history.search({.text = QStringLiteral("存在しない名前")}).size(); });
        ranged.measure([&] { found += history.search(oneMonth).size(); });
    }
    const QString perKey = of + QStringLiteral("search per keystroke (%1 keys)").arg(strokes.size());
    if (reference)
        bench::report(perKey, typing.wall, QStringLiteral("ms"), QStringLiteral("the file"), *reference);
    else
        bench::report(perKey, typing.wall, QStringLiteral("ms"));
    bench::report(perKey + QStringLiteral(", processor"), typing.processor, QStringLiteral("ms"));
    bench::report(of + QStringLiteral("search finding nothing"), nothing);
    bench::report(of + QStringLiteral("search 山田 within one month"), ranged);

    const QStringList prefixes = keystrokes(typedPrefixes);
    bench::Timings completing;
    for (int i = 0; i < runs; ++i)
        for (const QString& prefix : prefixes)
            completing.measure([&] { found += history.recentDestinations(prefix, 10).size(); });
    bench::report(of + QStringLiteral("completion per keystroke (%1 keys)").arg(prefixes.size()), completing);
    return typing.wall;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());
    QTemporaryDir dir;
    QFile::copy(filledHistory(), dir.filePath(rova::store::databaseFileName()));
    const bench::Samples onFile = measure(dir.path(), QString(), runs, nullptr);

    // The server is filled afresh each run: a scratch cluster keeps nothing.
    PrivatePostgresServer server;
    QString why;
    const QString uri = server.start(&why) ? server.newDatabase(&why) : QString();
    if (uri.isEmpty()) {
        std::printf("# history on PostgreSQL not measured: %s\n", qPrintable(why));
        return found < 0;
    }
    const rova::store::Location onServer(dir.path(), uri);
    const double fillMs = bench::timeMs([&] { fill(onServer); });
    std::printf("# history on PostgreSQL filled with %d slips in %.0f s\n", records, fillMs / 1000);
    measure(onServer, QStringLiteral(" on PostgreSQL"), runs, &onFile);
    return found < 0;
}
