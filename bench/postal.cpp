// SPDX-License-Identifier: GPL-3.0-or-later
// The postal dictionary: building its index from the installed lists, loading the cache instead,
// and one look-up each way (code to places, address to codes, and the check of a pair).

#include "stats.h"

#include "rules/postal/loader.h"
#include "rules/postal/lookup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>

namespace
{

constexpr int kSampleSize = 2000;

// Processor time of this thread in milliseconds: on a shared machine the wall time also counts
// the time other programs had the processor.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Wall and processor milliseconds of `runs` calls of `work`.
struct Timings {
    bench::Samples wall;
    bench::Samples cpu;
};
Timings timed(int runs, const std::function<void()>& work)
{
    Timings t;
    for (int i = 0; i < runs; ++i) {
        const double cpuBefore = threadCpuMs();
        t.wall.values << bench::timeMs(work);
        t.cpu.values << threadCpuMs() - cpuBefore;
    }
    return t;
}

// Every so many entries of the index: the codes and addresses to look up.
struct Sample {
    QStringList codes;
    QStringList addresses;
};

Sample sampleOf(const rova::postal::Index& index)
{
    const auto& data = index.data();
    Sample sample;
    const size_t step = std::max<size_t>(1, data.records.size() / kSampleSize);
    for (size_t i = 0; i < data.records.size(); i += step) {
        const rova::postal::Record& r = data.records[i];
        sample.codes << QString::number(r.code).rightJustified(7, u'0');
        sample.addresses << data.view(r.address, r.addressLength).toString() + QStringLiteral("1-2-3");
    }
    return sample;
}

// Mean and 99th-percentile milliseconds of one call of `lookUp` over the sample, one pair per run.
// (The very slowest call measures the machine's scheduler more than the look-up.)
void reportLookUps(const QString& name, int runs, qsizetype count,
                   const std::function<void(qsizetype)>& lookUp)
{
    bench::Samples mean;
    bench::Samples p99;
    for (int run = 0; run < runs; ++run) {
        std::vector<double> ms(size_t(count), 0.0);
        for (qsizetype i = 0; i < count; ++i)
            ms[size_t(i)] = bench::timeMs([&] { lookUp(i); });
        mean.values << std::accumulate(ms.begin(), ms.end(), 0.0) / double(count);
        const auto at = ms.begin() + qsizetype(double(count) * 0.99);
        std::nth_element(ms.begin(), at, ms.end());
        p99.values << *at;
    }
    bench::report(name + QStringLiteral(", mean of %1").arg(count), mean, QStringLiteral("ms"));
    bench::report(name + QStringLiteral(", 99th percentile"), p99, QStringLiteral("ms"));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());
    QTemporaryDir dataFolder;
    const rova::postal::Sources installed =
        rova::postal::locateSources({}, qEnvironmentVariable(rova::postal::kFolderVariable), {});
    const rova::postal::Sources cached = rova::postal::locateSources(
        {}, qEnvironmentVariable(rova::postal::kFolderVariable), dataFolder.path());

    rova::postal::Loaded loaded;
    const Timings build = timed(runs, [&] { loaded = rova::postal::load(installed); });
    if (!loaded.index) {
        std::printf("# postal: %s\n", qPrintable(loaded.status));
        return 1;
    }
    bench::report(QStringLiteral("postal index, built from the lists"), build.wall, QStringLiteral("ms"));
    bench::report(QStringLiteral("postal index, built (processor time)"), build.cpu, QStringLiteral("ms"));

    rova::postal::load(cached); // writes the cache
    const Timings fromCache = timed(runs, [&] { loaded = rova::postal::load(cached); });
    if (!loaded.fromCache) {
        std::printf("# postal: the cache was not used\n");
        return 1;
    }
    bench::report(QStringLiteral("postal index, loaded from the cache"), fromCache.wall, QStringLiteral("ms"),
                  QStringLiteral("built"), build.wall);
    bench::report(QStringLiteral("postal index, loaded (processor time)"), fromCache.cpu,
                  QStringLiteral("ms"), QStringLiteral("built"), build.cpu);
    std::printf("# postal index: %zu entries, cache %.1f MB\n", loaded.index->data().records.size(),
                double(QFileInfo(cached.cache).size()) / 1e6);

    const rova::postal::Index& index = *loaded.index;
    const Sample sample = sampleOf(index);
    qsizetype found = 0; // summed so that no look-up can be left out as unused
    reportLookUps(QStringLiteral("postal code to places"), runs, sample.codes.size(),
                  [&](qsizetype i) { found += rova::postal::placesOf(index, sample.codes[i]).size(); });
    reportLookUps(QStringLiteral("postal address to codes"), runs, sample.addresses.size(),
                  [&](qsizetype i) { found += rova::postal::codesOf(index, sample.addresses[i]).size(); });
    reportLookUps(QStringLiteral("postal check of code and address"), runs, sample.codes.size(),
                  [&](qsizetype i) {
                      found += int(rova::postal::check(index, sample.codes[i], sample.addresses[i]).verdict);
                  });
    return found < 0;
}
