// SPDX-License-Identifier: GPL-3.0-or-later
#include "apprun.h"

#include "stats.h"

#include <QProcess>

namespace bench
{

bool runInFolder(const QString& program, const QString& folder, const QStringList& arguments, AppRun* run,
                 QString* why)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    bool finished = false;
    run->ms = timeMs([&] {
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

} // namespace bench
