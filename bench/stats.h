// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repeated measurements and the one line each figure is reported as:
// name, median, min, max, unit and, when there is a reference, median / reference median.

#include <QList>
#include <QString>

#include <functional>

namespace bench
{

struct Samples {
    QList<double> values;
    double median() const;
    double min() const;
    double max() const;
};

// Wall-clock and processor time of the same calls: on a busy shared machine the processor time is
// what the code costs, the wall time what the operator would wait.
struct Timings {
    Samples wall, processor;
    void measure(const std::function<void()>& work);
};

// Runs from the command line: "--runs N" (default 9).
int runsFromArguments(const QStringList& arguments, int fallback = 9);

// Milliseconds one call of `work` takes.
double timeMs(const std::function<void()>& work);

// Prints "name median min max unit [ratio r vs reference]" on standard output and flushes it.
void report(const QString& name, const Samples& samples, const QString& unit);
void report(const QString& name, const Samples& samples, const QString& unit, const QString& referenceName,
            const Samples& reference);
// Two lines: the wall time, then the processor time of the same calls.
void report(const QString& name, const Timings& timings);

} // namespace bench
