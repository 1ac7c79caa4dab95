// Start-up time and peak memory of the program against a minimal Qt Widgets program, run in turns:
// wall time from starting the process to its exit, each run in a fresh working folder.
// The working folder holds the sender of the restored tab. With "--queues N" both run against a
// private CUPS server holding N queues.

#include "apprun.h"
#include "queues.h"
#include "stats.h"

#include "rules/senderbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

bool runOnce(const QString& program, bench::AppRun* run, QString* why, const QStringList& arguments = {})
{
    QTemporaryDir folder;
    // A registered sender, as on any working desk: an empty folder reports the missing sender file
    // at show and leaves the focus where it was.
    rova::senderbook::write(folder.path(), 0,
                            {QStringLiteral("540-0001"), QStringLiteral("大阪府大阪市中央区城見1-2-3"),
                             QStringLiteral("ＯＢＰタワー３階"), QStringLiteral("ロバ商店"),
                             QStringLiteral("06-9876-5432")});
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
    bench::Samples time, refTime, labelTime, memory, refMemory, labelMemory;
    // One unmeasured round so that all start from a warm file cache.
    bench::AppRun warm;
    if (!runOnce(program, &warm, &why) || !runOnce(minimal, &warm, &why) ||
        !runOnce(minimal, &warm, &why, label)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        bench::AppRun p, m, l;
        if (!runOnce(program, &p, &why) || !runOnce(minimal, &m, &why) ||
            !runOnce(minimal, &l, &why, label)) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 1;
        }
        time.values << p.ms;
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
    bench::report(QStringLiteral("peak resident size after show") + suffix, memory, QStringLiteral("MiB"),
                  QStringLiteral("minimal window"), refMemory);
    bench::report(QStringLiteral("peak resident size after show") + suffix, memory, QStringLiteral("MiB"),
                  QStringLiteral("minimal window with one Japanese label"), labelMemory);
    return 0;
}
