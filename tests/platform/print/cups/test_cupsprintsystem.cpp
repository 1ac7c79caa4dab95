// SPDX-License-Identifier: GPL-3.0-or-later
// The CUPS print system against a scheduler of the test's own: the catalogue, what a queue's PPD
// offers, pages that reach the queue's file where they were drawn with the chosen paper and slot,
// and jobs CUPS does not take.

#include "platform/print/cups/cupsprintsystem.h"
#include "platform/print/printererror.h"
#include "rules/errors.h"
#include "support/pdfwords.h"
#include "support/privatecupsserver.h"
#include "support/privatecupstest.h"

#include <QFile>

#include <QtTest>
#include <functional>

using namespace rova;
using namespace rova::print;

namespace
{

const QString genericPpd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
const QString slipPpd = QStringLiteral(ROVA_TEST_DATA "/rova-test-slip.ppd");
constexpr double mmPerInch = 25.4;
constexpr double mmPerPoint = 25.4 / 72;
constexpr double tolerance = 0.05;

struct Mark {
    QString text;
    QPoint at;
};

const Paper* paperByKeyword(const Capabilities& caps, const QString& keyword)
{
    for (const Paper& p : caps.papers) {
        if (p.keyword == keyword)
            return &p;
    }
    return nullptr;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(rova::print::DeviceMode)

class TestCupsPrintSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFile::exists(genericPpd))
            PRIVATE_CUPS_UNAVAILABLE(
                QStringLiteral("the generic PDF printer description of cups-filters is not installed"));
        QString why;
        if (!m_server.start(&why))
            PRIVATE_CUPS_UNAVAILABLE(why);
        QCOMPARE(m_server.addQueue(QStringLiteral("Alpha"), genericPpd), QString());
        QCOMPARE(
            m_server.addQueue(QStringLiteral("Beta"), genericPpd, {QStringLiteral("x-hidden-default=true")}),
            QString());
        QCOMPARE(m_server.addQueue(QStringLiteral("Slip"), slipPpd), QString());
        QCOMPARE(m_server.run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("Slip")}), 0);
        QCOMPARE(
            m_server.run(QStringLiteral("lpoptions"), {QStringLiteral("-p"), QStringLiteral("Alpha/draft"),
                                                       QStringLiteral("-o"), QStringLiteral("media=A5")}),
            0);
    }

    void catalogue_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("queue first") << 0 << "Alpha" << false;
        QTest::newRow("its instance follows as queue/instance") << 1 << "Alpha/draft" << false;
        QTest::newRow("x-hidden-default=true hides a queue") << 2 << "Beta" << true;
        QTest::newRow("unmarked queue is visible") << 3 << "Slip" << false;
    }

    void catalogue()
    {
        QFETCH(int, raw);
        QFETCH(QString, name);
        QFETCH(bool, hidden);
        const QList<Destination> all = m_system.destinations();
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[raw].name, name);
        QCOMPARE(all[raw].hidden, hidden);
        const QString queue = name.section(QLatin1Char('/'), 0, 0);
        QCOMPARE(all[raw].port, QStringLiteral("file://") + m_server.outputPath(queue));
    }

    void defaultIsTheRawIndexOfTheDefaultQueue() { QCOMPARE(m_system.defaultDestination(), 3); }

    void slipPapers_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<QSizeF>("sizePt");
        QTest::addColumn<QMarginsF>("marginsPt");
        QTest::newRow("A4 keeps its standard number")
            << 0 << "A4"
            << "A4 210x297mm" << 9 << QSizeF(595, 842) << QMarginsF(18, 36, 18, 36);
        QTest::newRow("JIS B5 keeps its standard number")
            << 1 << "B5"
            << "JIS B5 182x257mm" << 13 << QSizeF(516, 729) << QMarginsF(12, 12, 12, 12);
        QTest::newRow("a form of its own is numbered from 256")
            << 2 << "Slip"
            << "Slip Form 10x5in" << 256 << QSizeF(720, 360) << QMarginsF(9, 18, 9, 18);
        QTest::newRow("postcard without margins")
            << 3 << "Postcard"
            << "Postcard 100x148mm" << 43 << QSizeF(283, 420) << QMarginsF(0, 0, 0, 0);
    }

    void slipPapers()
    {
        QFETCH(int, index);
        QFETCH(QString, keyword);
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(QSizeF, sizePt);
        QFETCH(QMarginsF, marginsPt);
        const Capabilities caps = m_system.capabilities(QStringLiteral("Slip"));
        QCOMPARE(caps.papers.size(), 4);
        const Paper& paper = caps.papers[index];
        QCOMPARE(paper.keyword, keyword);
        QCOMPARE(paper.name, name);
        QCOMPARE(paper.code, code);
        QVERIFY(qAbs(paper.sizeMm.width() - sizePt.width() * mmPerPoint) < 1e-6);
        QVERIFY(qAbs(paper.sizeMm.height() - sizePt.height() * mmPerPoint) < 1e-6);
        QVERIFY(qAbs(paper.marginsMm.left() - marginsPt.left() * mmPerPoint) < 1e-6);
        QVERIFY(qAbs(paper.marginsMm.top() - marginsPt.top() * mmPerPoint) < 1e-6);
        QVERIFY(qAbs(paper.marginsMm.right() - marginsPt.right() * mmPerPoint) < 1e-6);
        QVERIFY(qAbs(paper.marginsMm.bottom() - marginsPt.bottom() * mmPerPoint) < 1e-6);
    }

    void slipBins_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("automatic selection") << 0 << "Auto"
                                             << "Automatic" << 7;
        QTest::newRow("first tray of its own") << 1 << "Tray1"
                                               << "Tray 1" << 256;
        QTest::newRow("second tray of its own") << 2 << "Tray2"
                                                << "Tray 2" << 257;
        QTest::newRow("tractor") << 3 << "Tractor"
                                 << "Tractor Feed" << 8;
        QTest::newRow("manual feed") << 4 << "Manual"
                                     << "Manual Feed" << 4;
    }

    void slipBins()
    {
        QFETCH(int, index);
        QFETCH(QString, keyword);
        QFETCH(QString, name);
        QFETCH(int, code);
        const Capabilities caps = m_system.capabilities(QStringLiteral("Slip"));
        QCOMPARE(caps.bins.size(), 5);
        QCOMPARE(caps.bins[index].keyword, keyword);
        QCOMPARE(caps.bins[index].name, name);
        QCOMPARE(caps.bins[index].code, code);
    }

    void slipDefaultsAndResolutions()
    {
        const Capabilities caps = m_system.capabilities(QStringLiteral("Slip"));
        QCOMPARE(caps.resolutions, (QList<QPoint>{{180, 180}, {360, 360}, {720, 360}}));
        QCOMPARE(caps.defaults.resolution, QPoint(360, 360));
        QCOMPARE(caps.defaults.paper, 9);
        QCOMPARE(caps.defaults.bin, 257);
        QVERIFY(!caps.defaults.scale);
    }

    void instanceHasItsOwnDefaults()
    {
        const Capabilities queue = m_system.capabilities(QStringLiteral("Alpha"));
        const Capabilities instance = m_system.capabilities(QStringLiteral("Alpha/draft"));
        QVERIFY(paperByKeyword(queue, QStringLiteral("Letter")));
        QCOMPARE(queue.defaults.paper, paperByKeyword(queue, QStringLiteral("Letter"))->code);
        QVERIFY(paperByKeyword(instance, QStringLiteral("A5")));
        QCOMPARE(instance.defaults.paper, paperByKeyword(instance, QStringLiteral("A5"))->code);
        QVERIFY(queue.bins.isEmpty());
    }

    void unknownDestinationIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(rova::Error, m_system.capabilities(QStringLiteral("Nowhere")));
    }

    void printsWhereDrawn_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<DeviceMode>("mode");
        QTest::addColumn<QString>("paperKeyword");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("header");
        const auto mode = [](std::optional<int> paper, std::optional<int> bin, QPoint dpi) {
            DeviceMode m;
            m.paper = paper;
            m.bin = bin;
            m.resolution = dpi;
            return m;
        };
        QTest::newRow("A4 on the generic PDF printer, shifted by its margins")
            << "Alpha" << mode(9, std::nullopt, {600, 600}) << "A4"
            << "" << QStringList{"PAPER=A4", "RESOLUTION=600"};
        QTest::newRow("own slip form from the tractor at 360 dpi")
            << "Slip" << mode(256, 8, {360, 360}) << "Slip"
            << "Tractor" << QStringList{"PAPER=SLIP", "MEDIASOURCE=TRACTOR", "RESOLUTION=360"};
        QTest::newRow("postcard by hand at 720 x 360 dpi")
            << "Slip" << mode(43, 4, {720, 360}) << "Postcard"
            << "Manual" << QStringList{"PAPER=POSTCARD", "MEDIASOURCE=MANUAL", "RESOLUTION=720X360"};
        QTest::newRow("JIS B5 from the queue's default tray")
            << "Slip" << mode(13, std::nullopt, {180, 180}) << "B5"
            << "Tray2" << QStringList{"PAPER=JISB5", "MEDIASOURCE=TRAY2", "RESOLUTION=180"};
    }

    void printsWhereDrawn()
    {
        QFETCH(QString, queue);
        QFETCH(DeviceMode, mode);
        QFETCH(QString, paperKeyword);
        QFETCH(QString, slot);
        QFETCH(QStringList, header);
        const QString output = m_server.outputPath(queue);
        QFile::remove(output);
        const QList<Mark> marks{{QStringLiteral("MARKA"), {0, 0}}, {QStringLiteral("MARKB"), {700, 450}}};

        auto job = m_system.begin(queue, mode, QStringLiteral("rova_Yamato"));
        job->canvas().setFont(QStringLiteral("DejaVu Sans"), 10, false);
        for (const Mark& m : marks)
            job->canvas().textOut(m.at.x(), m.at.y(), m.text);
        job->end();
        QVERIFY(m_server.waitForIdle());

        const QByteArray written = readAll(output);
        QVERIFY2(written.contains("%PDF"), qPrintable(m_server.errorLogTail()));
        for (const QString& line : header)
            QVERIFY2(written.left(written.indexOf("%PDF")).contains(line.toLatin1()), qPrintable(line));
        QCOMPARE(pdfPageCount(output), 1);

        const Capabilities caps = m_system.capabilities(queue);
        const Paper* paper = paperByKeyword(caps, paperKeyword);
        QVERIFY(paper);
        const QList<PdfWord> words = pdfWords(output);
        for (const Mark& m : marks) {
            const PdfWord* word = findPdfWord(words, m.text);
            QVERIFY2(word, qPrintable(m.text));
            const double x = paper->marginsMm.left() + m.at.x() * mmPerInch / mode.resolution.x();
            const double y = paper->marginsMm.top() + m.at.y() * mmPerInch / mode.resolution.y();
            QVERIFY2(qAbs(word->boxMm.left() - x) < tolerance && qAbs(word->boxMm.top() - y) < tolerance,
                     qPrintable(QStringLiteral("%1 at %2, %3 mm, drawn for %4, %5 mm")
                                    .arg(m.text)
                                    .arg(word->boxMm.left())
                                    .arg(word->boxMm.top())
                                    .arg(x)
                                    .arg(y)));
        }

        const QMap<QString, QString> recorded = m_server.jobAttributes(m_server.lastJobId(queue));
        QCOMPARE(recorded.value(QStringLiteral("job-name")), QStringLiteral("rova_Yamato"));
        QCOMPARE(recorded.value(QStringLiteral("media")), paperKeyword);
        QCOMPARE(recorded.value(QStringLiteral("InputSlot")), slot);
        QCOMPARE(recorded.value(QStringLiteral("print-scaling")), QStringLiteral("none"));
    }

    void refusedJobIsAnError_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("stopped queue, with the reason CUPS keeps")
            << "cupsdisable" << QStringList{"-r", "Paper jam"} << "Paper jam";
        QTest::newRow("queue not accepting jobs")
            << "cupsreject" << QStringList{"-r", "Closed"} << "not accepting jobs";
        QTest::newRow("queue removed while the page was drawn")
            << "lpadmin" << QStringList{"-x"} << "が見つかりません";
    }

    void refusedJobIsAnError()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString queue = QStringLiteral("Refused%1").arg(++m_refused);
        QCOMPARE(m_server.addQueue(queue, slipPpd), QString());

        auto job = m_system.begin(queue, DeviceMode{}, QStringLiteral("rova_Yamato"));
        job->canvas().textOut(10, 10, QStringLiteral("MARK"));
        QCOMPARE(m_server.run(tool, arguments << queue), 0);
        try {
            job->end();
            QFAIL("the refused page was reported as printed");
        } catch (const rova::Error& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QVERIFY(m_server.waitForIdle());
        QVERIFY(!QFile::exists(m_server.outputPath(queue)));
        if (tool != QLatin1String("lpadmin"))
            QCOMPARE(m_server.lastJobId(queue), 0);
    }

    void abortSubmitsNothing()
    {
        const int before = m_server.lastJobId(QStringLiteral("Slip"));
        auto job = m_system.begin(QStringLiteral("Slip"), DeviceMode{}, QStringLiteral("rova_Yamato"));
        job->canvas().textOut(10, 10, QStringLiteral("MARK"));
        job->abort();
        QCOMPARE(m_server.lastJobId(QStringLiteral("Slip")), before);
    }

    // Added last: it changes the catalogue.
    void rawQueueOffersNoListsAndNoPage()
    {
        QCOMPARE(m_server.run(QStringLiteral("lpadmin"),
                              {QStringLiteral("-p"), QStringLiteral("Raw"), QStringLiteral("-E"),
                               QStringLiteral("-v"),
                               QStringLiteral("file://") + m_server.outputPath(QStringLiteral("Raw")),
                               QStringLiteral("-m"), QStringLiteral("raw")}),
                 0);
        const Capabilities caps = m_system.capabilities(QStringLiteral("Raw"));
        QVERIFY(caps.papers.isEmpty());
        QVERIFY(caps.bins.isEmpty());
        QVERIFY_THROWS_EXCEPTION(rova::Error,
                                 m_system.begin(QStringLiteral("Raw"), DeviceMode{}, QStringLiteral("t")));
    }

    // Last of all: it stops the scheduler.
    // A stopped scheduler is told apart from one without queues, and from a queue that is gone; the
    // operator is told where it was looked for and what to do, the system's words last.
    void schedulerGoneIsToldApart_data()
    {
        QTest::addColumn<int>("asked");
        QTest::newRow("the printer list") << 0;
        QTest::newRow("the printer list, by a print system made afterwards") << 1;
        QTest::newRow("a job on a printer it had") << 2;
    }
    void schedulerGoneIsToldApart()
    {
        QFETCH(int, asked);
        m_server.stop();
        QStringList lines;
        try {
            if (asked == 0)
                m_system.destinations();
            else if (asked == 1)
                CupsPrintSystem().destinations();
            else
                m_system.begin(QStringLiteral("Alpha"), DeviceMode{}, QStringLiteral("t"));
        } catch (const rova::print::PrinterError& e) {
            QCOMPARE(e.kind(), rova::print::PrinterError::Kind::Unreachable);
            lines = e.message().split(u'\n');
        }
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{QStringLiteral("印刷サーバーに接続できません: ") + m_server.socketPath(),
                              QStringLiteral("CUPS が動いていないか、接続できません"),
                              QStringLiteral("CUPS を起動してから、もう一度操作してください")}));
        QVERIFY2(lines[3].size() > 2 && lines[3].startsWith(u'(') && lines[3].endsWith(u')'),
                 qPrintable(lines[3]));
    }

private:
    PrivateCupsServer m_server;
    CupsPrintSystem m_system;
    int m_refused = 0;
};

QTEST_MAIN(TestCupsPrintSystem)
#include "test_cupsprintsystem.moc"
