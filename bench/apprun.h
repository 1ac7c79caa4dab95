// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of a benchmark's program in a given working folder: wall time from starting the process
// to its exit, and the peak resident size it prints on its standard output.

#include <QString>
#include <QStringList>

namespace bench
{

struct AppRun {
    double ms = 0;
    double peakKiB = 0;
};

// False, with the reason in `why`, when the program fails, prints no size or runs past a minute.
bool runInFolder(const QString& program, const QString& folder, const QStringList& arguments, AppRun* run,
                 QString* why);

} // namespace bench
