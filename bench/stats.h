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

// Runs from the command line: "--runs N" (default 9).
int runsFromArguments(const QStringList& arguments, int fallback = 9);

// Milliseconds one call of `work` takes.
double timeMs(const std::function<void()>& work);

// Prints "name median min max unit [ratio r vs reference]" on standard output and flushes it.
void report(const QString& name, const Samples& samples, const QString& unit);
void report(const QString& name, const Samples& samples, const QString& unit, const QString& referenceName,
            const Samples& reference);

} // namespace bench
