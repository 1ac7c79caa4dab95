// Start-up time and peak memory of the program against a minimal Qt Widgets program, run in turns:
// wall time from starting the process to its exit, each run in a fresh working folder.
// The working folder holds the sender of the restored tab. With "--queues N" both run against a
// private CUPS server holding N queues.

#include "queues.h"
#include "stats.h"

#include "rules/senderbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

struct Run {
    double ms = 0;
    double peakKiB = 0;
};

bool runOnce(const QString& program, Run* run, QString* why, const QStringList& arguments = {})
{
    QTemporaryDir folder;
    // A registered sender, as on any working desk: an empty folder reports the missing sender file
    // at show and leaves the focus where it was.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    rova::senderbook::write(QStringLiteral("."), 0,
                            {QStringLiteral("540-0001"), QStringLiteral("大阪府大阪市中央区城見1-2-3"),
                             QStringLiteral("ＯＢＰタワー３階"), QStringLiteral("ロバ商店"),
                             QStringLiteral("06-9876-5432")});
    QDir::setCurrent(previous);
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    bool finished = false;
    run->ms = bench::timeMs([&] {
        process.start(program, arguments);
        finished = process.waitForFinished(60000);
    });
    if (!finished) {
        process.kill();
        process.waitForFinished();
        *why = QStringLiteral("%1 did not reach its end within a minute").arg(program);
        return false;
    }
    bool ok = false;
    run->peakKiB = QString::fromLatin1(process.readAllStandardOutput()).trimmed().toDouble(&ok);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !ok) {
        *why = QStringLiteral("%1 failed (exit %2): %3")
                   .arg(program)
                   .arg(process.exitCode())
                   .arg(QString::fromLocal8Bit(process.readAllStandardError()).right(500));
        return false;
    }
    return true;
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
    Run warm;
    if (!runOnce(program, &warm, &why) || !runOnce(minimal, &warm, &why) ||
        !runOnce(minimal, &warm, &why, label)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        Run p, m, l;
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
