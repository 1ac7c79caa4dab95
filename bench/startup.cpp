// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of the program against a minimal Qt Widgets program, run in turns:
// wall time from starting the process to its exit, each run in a fresh data folder holding what a
// desk holds after the first start (a sender, the postal index cache), and once more without the
// cache, as on the first start, when the index is built from the installed lists.
// With "--queues N" both run against a private CUPS server holding N queues.

#include "apprun.h"
#include "queues.h"
#include "stats.h"

#include "rules/files/senderbook.h"
#include "rules/postal/sources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

// A registered sender, as on any working desk: an empty folder reports the missing sender file at show
// and leaves the focus where it was.
void writeSender(const QString& folder)
{
    rova::senderbook::write(folder, 0,
                            {QStringLiteral("540-0001"), QStringLiteral("大阪府大阪市中央区城見1-2-3"),
                             QStringLiteral("ＯＢＰタワー３階"), QStringLiteral("ロバ商店"),
                             QStringLiteral("06-9876-5432")});
}

// In a fresh folder holding the sender and, unless `postalCache` is empty, the postal index cache the
// first start on a desk leaves behind.
bool runOnce(const QString& program, const QString& postalCache, bench::AppRun* run, QString* why,
             const QStringList& arguments = {})
{
    QTemporaryDir folder;
    writeSender(folder.path());
    if (!postalCache.isEmpty() &&
        !QFile::copy(postalCache,
                     QDir(folder.path()).filePath(QString::fromLatin1(rova::postal::kCacheFile)))) {
        *why = QStringLiteral("cannot copy the postal index cache %1").arg(postalCache);
        return false;
    }
    return bench::runInFolder(program, folder.path(), arguments, run, why);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = bench::runsFromArguments(args);
    const qsizetype at = args.indexOf(QStringLiteral("--queues"));
    const int queues = at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");

    PrivateCupsServer server;
    QString why;
    if (queues > 0 && !bench::startWithQueues(server, queues, &why)) {
        std::fprintf(stderr, "start-up with %d queues skipped: %s\n", queues, qPrintable(why));
        return 2;
    }

    const QString dir = QCoreApplication::applicationDirPath();
    const QString program = QDir(dir).filePath(QStringLiteral("bench_startup_app"));
    const QString minimal = QDir(dir).filePath(QStringLiteral("bench_startup_minimal"));
    const QStringList label{QStringLiteral("--label")};
    bench::Samples time, uncachedTime, refTime, labelTime, memory, refMemory, labelMemory;
    // One unmeasured round so that all start from a warm file cache, the program's first start on a
    // desk leaving its postal index cache.
    QTemporaryDir desk;
    writeSender(desk.path());
    const QString cache = QDir(desk.path()).filePath(QString::fromLatin1(rova::postal::kCacheFile));
    bench::AppRun warm;
    if (!bench::runInFolder(program, desk.path(), {}, &warm, &why) || !runOnce(minimal, cache, &warm, &why) ||
        !runOnce(minimal, cache, &warm, &why, label)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        bench::AppRun p, u, m, l;
        if (!runOnce(program, cache, &p, &why) || !runOnce(program, {}, &u, &why) ||
            !runOnce(minimal, cache, &m, &why) || !runOnce(minimal, cache, &l, &why, label)) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 1;
        }
        time.values << p.ms;
        uncachedTime.values << u.ms;
        refTime.values << m.ms;
        labelTime.values << l.ms;
        memory.values << p.peakKiB / 1024;
        refMemory.values << m.peakKiB / 1024;
        labelMemory.values << l.peakKiB / 1024;
    }
    const QString suffix = queues > 0 ? QStringLiteral(", %1 CUPS queues").arg(queues) : QString();
    bench::report(QStringLiteral("start-up to focus in Edit_Zip") + suffix, time, QStringLiteral("ms"),
                  QStringLiteral("minimal window"), refTime);
    bench::report(QStringLiteral("start-up to focus in Edit_Zip") + suffix, time, QStringLiteral("ms"),
                  QStringLiteral("minimal window with one Japanese label"), labelTime);
    const QString uncached = QStringLiteral("start-up to focus in Edit_Zip, no postal index cache") + suffix;
    bench::report(uncached, uncachedTime, QStringLiteral("ms"), QStringLiteral("minimal window"), refTime);
    bench::report(uncached, uncachedTime, QStringLiteral("ms"),
                  QStringLiteral("minimal window with one Japanese label"), labelTime);
    bench::report(QStringLiteral("peak resident size after show") + suffix, memory, QStringLiteral("MiB"),
                  QStringLiteral("minimal window"), refMemory);
    bench::report(QStringLiteral("peak resident size after show") + suffix, memory, QStringLiteral("MiB"),
                  QStringLiteral("minimal window with one Japanese label"), labelMemory);
    return 0;
}
