// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace bench
{

double Samples::median() const
{
    if (values.isEmpty())
        return 0;
    QList<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype mid = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

double Samples::min() const
{
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

double Samples::max() const
{
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

int runsFromArguments(const QStringList& arguments, int fallback)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--runs"));
    bool ok = false;
    const int runs = at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt(&ok) : 0;
    return ok && runs > 0 ? runs : fallback;
}

double timeMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

namespace
{

double processorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void printLine(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString figures(const QString& name, const Samples& s, const QString& unit)
{
    // Three significant places are plenty on a shared machine.
    const auto n = [](double v) { return QString::number(v, 'g', 4); };
    return QStringLiteral("%1  median %2  min %3  max %4  %5  (n=%6)")
        .arg(name.leftJustified(50), n(s.median()), n(s.min()), n(s.max()), unit)
        .arg(s.values.size());
}

} // namespace

void report(const QString& name, const Samples& samples, const QString& unit)
{
    printLine(figures(name, samples, unit));
}

void report(const QString& name, const Samples& samples, const QString& unit, const QString& referenceName,
            const Samples& reference)
{
    const double ratio = reference.median() > 0 ? samples.median() / reference.median() : 0;
    printLine(figures(name, samples, unit) +
              QStringLiteral("  ratio %1 vs %2").arg(QString::number(ratio, 'f', 2), referenceName));
}

void Timings::measure(const std::function<void()>& work)
{
    const double start = processorMs();
    wall.values << timeMs(work);
    processor.values << processorMs() - start;
}

void report(const QString& name, const Timings& timings)
{
    report(name, timings.wall, QStringLiteral("ms"));
    report(name + QStringLiteral(", processor"), timings.processor, QStringLiteral("ms"));
}

} // namespace bench
