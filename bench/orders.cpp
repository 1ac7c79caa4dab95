// SPDX-License-Identifier: GPL-3.0-or-later
// Time to read a 10,000-row order file into slips (decode, parse, recognise, map, gather, check),
// from a file on disk, in each of the two encodings shops export in; and the same with the check every
// batch row gets on top (values running into each other on the printer's page, postal codes against
// the installed dictionary), as an import into the batch list does. Target: under 1 s.

#include "stats.h"

#include "platform/batch/rowcheck.h"
#include "platform/print/pdf/pdfprinter.h"
#include "platform/print/printerchoice.h"
#include "platform/print/slipjobs.h"
#include "rules/orders/orderimport.h"
#include "rules/postal/loader.h"
#include "rules/postal/sources.h"
#include "rules/text/cp932.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace
{
constexpr int kRows = 10000;

// Marketplace rows, two lines per order, with the forms the import has to understand: split postal
// codes and telephones, full-width digits, quoted item names with commas, slots and dates.
QString orderText()
{
    QString text =
        QStringLiteral("受注番号,注文日時,送付先郵便番号1,送付先郵便番号2,送付先住所都道府県,"
                       "送付先住所郡市区,送付先住所それ以降の住所,送付先姓,送付先名,送付先電話番号1,"
                       "送付先電話番号2,送付先電話番号3,商品名,個数,お届け日指定,お届け時間帯,備考\r\n");
    const QString timeTexts[] = {QStringLiteral("午前中"), QStringLiteral("14:00-16:00"),
                                 QStringLiteral("18時～20時"), QString()};
    const QString prefectures[] = {QStringLiteral("東京都"), QStringLiteral("大阪府"),
                                   QStringLiteral("北海道"), QStringLiteral("神奈川県")};
    for (int i = 0; i < kRows; ++i) {
        const int order = i / 2;
        text += QStringLiteral(
                    "%1,2030-04-28 10:00:00,%2,%3,%4,サンプル市中央区,本町%5丁目%6番地　サンプルハイツ%7号室,"
                    "山田,太郎%8,03,%9,5678,\"商品 %10, 詰め合わせ\",%11,2030-05-%12,%13,\r\n")
                    .arg(100000 + order)
                    .arg(100 + order % 900)
                    .arg(order % 10000, 4, 10, QLatin1Char('0'))
                    .arg(prefectures[order % 4])
                    .arg(order % 9 + 1)
                    .arg(order % 30 + 1)
                    .arg(order % 500)
                    .arg(order)
                    .arg(1000 + order % 9000)
                    .arg(i)
                    .arg(i % 3 + 1)
                    .arg(order % 28 + 1, 2, 10, QLatin1Char('0'))
                    .arg(timeTexts[order % 4]);
    }
    return text;
}
} // namespace

int main(int argc, char* argv[])
{
    // Overlaps are measured with the printer's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());
    QTemporaryDir dir;
    const QString text = orderText();
    rova::orders::ImportContext context;
    context.base.slipType = QStringLiteral("発払　着払(手差し)");
    context.today = QDate(2030, 5, 1);

    qsizetype slips = 0;
    for (const auto& [name, bytes] : {std::pair{QStringLiteral("code page 932"), rova::cp932::toBytes(text)},
                                      std::pair{QStringLiteral("UTF-8"), text.toUtf8()}}) {
        const QString path = dir.filePath(QStringLiteral("orders.csv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
        file.close();
        bench::Samples whole;
        for (int i = 0; i < runs; ++i) {
            whole.values << bench::timeMs([&] {
                slips += rova::orders::importOrders(rova::orders::readOrderFile(path), context).slips.size();
            });
        }
        bench::report(QStringLiteral("order import, %1 rows, %2").arg(kRows).arg(name), whole,
                      QStringLiteral("ms"));
    }

    // The built-in PDF printer stands in for the slip type's printer: the check asks its page once.
    rova::print::PdfPrinter pdf([](const QString&) { return QString(); }, rova::print::PdfProposal());
    rova::print::PrinterChoice printers(pdf);
    rova::print::SlipJobs jobs(printers);
    rova::slip::PrintSettings settings;
    settings.printerName = rova::print::PdfPrinter::name();
    settings.printerIndex = QStringLiteral("0");
    const auto postal =
        rova::postal::load(rova::postal::locateSources(
                               QString(), qEnvironmentVariable(rova::postal::kFolderVariable), dir.path()))
            .index;
    bench::Samples checked;
    for (int i = 0; i < runs; ++i) {
        checked.values << bench::timeMs([&] {
            rova::batch::RowCheck check(
                context.today, jobs, [&](const QString&) { return settings; }, postal);
            const auto imported = rova::orders::importOrders(
                rova::orders::readOrderFile(dir.filePath(QStringLiteral("orders.csv"))), context);
            for (const rova::orders::ImportedSlip& slip : imported.slips)
                check.importedMarks(slip.values, slip.marks);
        });
    }
    bench::report(QStringLiteral("order import and row check, %1 rows, UTF-8%2")
                      .arg(kRows)
                      .arg(postal ? QString() : QStringLiteral(", no postal dictionary")),
                  checked, QStringLiteral("ms"));
    return slips == 0;
}
