// SPDX-License-Identifier: GPL-3.0-or-later
// Time per transfer of a pasted address block: the mean over a varied set of ordinary blocks, and
// one pasted block of very long lines, each measured several times.

#include "addressblocks.h"
#include "stats.h"

#include "rules/transfer/transfer.h"

#include <QCoreApplication>

namespace
{
constexpr int ordinaryBlocks = 240;
constexpr int longLines = 16;
constexpr int longLineKB[] = {50, 100}; // twice the text should take twice the time, not four times
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());
    const QList<QStringList> blocks = bench::addressBlocks(ordinaryBlocks);

    // The fields of every block feed a sum so that nothing can be left out as unused.
    qsizetype fieldChars = 0;
    bench::Samples perBlock;
    for (int i = 0; i < runs; ++i) {
        perBlock.values << bench::timeMs([&] {
                               for (const QStringList& block : blocks)
                                   fieldChars += rova::transfer::run(block).fields.add1.size();
                           }) / blocks.size();
    }
    bench::report(QStringLiteral("transfer, ordinary block (%1 blocks)").arg(blocks.size()), perBlock,
                  QStringLiteral("ms/block"));

    bench::Samples half;
    for (const int kb : longLineKB) {
        const QStringList big = bench::longBlock(longLines, kb * 1024);
        bench::Samples whole;
        for (int i = 0; i < runs; ++i)
            whole.values << bench::timeMs([&] { fieldChars += rova::transfer::run(big).fields.add1.size(); });
        const QString name = QStringLiteral("transfer, %1 lines of %2 KB").arg(longLines).arg(kb);
        if (half.values.isEmpty())
            bench::report(name, whole, QStringLiteral("ms"));
        else
            bench::report(name, whole, QStringLiteral("ms"), QStringLiteral("half as long"), half);
        half = whole;
    }
    return fieldChars < 0;
}
