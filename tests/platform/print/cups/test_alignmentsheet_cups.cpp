// SPDX-License-Identifier: GPL-3.0-or-later
// The alignment sheet printed through the print path to a CUPS queue of the test's own and measured
// in the PDF the queue wrote: every point's name beside its cross where the layout point and the
// margins put it, the rulers' numbers at their millimetres, and a footer naming what it was printed with.

#include "platform/print/cups/cupsprintsystem.h"
#include "platform/print/fonts.h"
#include "platform/print/printerchoice.h"
#include "platform/print/slipjobs.h"
#include "rules/slip/sliplayout.h"
#include "support/pdfwords.h"
#include "support/privatecupsserver.h"
#include "support/privatecupstest.h"

#include <QFile>
#include <QTest>

#include <algorithm>

using rova::print::Paper;

namespace
{

const QString kPpd = QStringLiteral(ROVA_TEST_DATA "/rova-test-slip.ppd");
const QString kQueue = QStringLiteral("Sheet");
constexpr double kMmPerInch = 25.4;
constexpr double kTolerance = 0.1;
// Where the sheet puts its texts, in millimetres: a name this far right of and below its cross, or
// whole name lines lower when it would run into something; a ruler's number this far past its tick
// and in from the edge.
constexpr double kNameOffset = 0.5;
constexpr double kNameLine = 3.0;
constexpr int kNameLinesDown = 3;
constexpr double kNumberAlong = 0.5;
constexpr double kNumberIn = 2.5;

// A word that begins the text (the text tool cuts Japanese text where it likes, so the first word's
// box stands for the whole) with its box's corner at `at`. The tool measures a Japanese face's glyph
// box from its own idea of the ascent, up to `lower` below the cell top the sheet drew at.
bool foundAt(const QList<PdfWord>& words, const QString& text, QPointF at, double lower = 0)
{
    for (const PdfWord& w : words) {
        if (w.text.isEmpty() || !text.startsWith(w.text))
            continue;
        const double dy = w.boxMm.top() - at.y();
        if (qAbs(w.boxMm.left() - at.x()) <= kTolerance && dy >= -kTolerance && dy <= kTolerance + lower)
            return true;
    }
    return false;
}

QString where(const QString& text, QPointF at)
{
    return QStringLiteral("%1 not found at %2, %3 mm").arg(text).arg(at.x()).arg(at.y());
}

QString withoutSpaces(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); }); // U+3000 too
    return text;
}

// The line of words beginning with the footer's first word, joined without any spaces.
QString footerLine(const QList<PdfWord>& words)
{
    const auto first = std::find_if(words.cbegin(), words.cend(), [](const PdfWord& w) {
        return w.text.startsWith(QStringLiteral("テスト印刷"));
    });
    if (first == words.cend())
        return {};
    QList<PdfWord> line;
    for (const PdfWord& w : words)
        if (qAbs(w.boxMm.center().y() - first->boxMm.center().y()) < 1.0)
            line << w;
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.boxMm.left() < b.boxMm.left(); });
    QString text;
    for (const PdfWord& w : line)
        text += w.text;
    return withoutSpaces(text);
}

} // namespace

class TestAlignmentSheetCups : public QObject
{
    Q_OBJECT
    PrivateCupsServer m_server;
    std::unique_ptr<rova::print::CupsPrintSystem> m_system;
    std::unique_ptr<rova::print::PrinterChoice> m_printers;
    std::unique_ptr<rova::print::SlipJobs> m_jobs;

    // A copy: the capabilities are a value made afresh on every call.
    Paper paperOf(int code)
    {
        for (const Paper& p : m_system->capabilities(kQueue).papers)
            if (p.code == code)
                return p;
        return Paper();
    }

private slots:
    void initTestCase()
    {
        QString why;
        if (!m_server.start(&why))
            PRIVATE_CUPS_UNAVAILABLE(why);
        QCOMPARE(m_server.addQueue(kQueue, kPpd), QString());
        rova::fonts::registerSubstitutions();
        m_system = std::make_unique<rova::print::CupsPrintSystem>();
        m_printers = std::make_unique<rova::print::PrinterChoice>(*m_system);
        m_jobs = std::make_unique<rova::print::SlipJobs>(*m_printers);
    }

    void crossesNamesRulersAndFooter_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QPoint>("dpi");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<QStringList>("footer");
        // Names that would run into a cross or a name: only those of the piece count, whose boxes lie
        // closer together than the names are long.
        QTest::addColumn<int>("movedNames");
        constexpr int a4 = 9;
        constexpr int slipForm = 256;
        QTest::newRow("発払　着払(手差し), A4, down and right")
            << 0 << a4 << QPoint(360, 360) << 71 << 100
            << QStringList{"360×360 dpi", "上 71 ドット (5.0 mm)", "左 100 ドット (7.1 mm)"} << 0;
        QTest::newRow("発払　着払(連続), slip form at 720 × 360 dpi, up and left")
            << 1 << slipForm << QPoint(720, 360) << -30 << -45
            << QStringList{"720×360 dpi", "上 -30 ドット (-2.1 mm)", "左 -45 ドット (-1.6 mm)"} << 0;
        QTest::newRow("タイムサービス(手差し), A4 at 180 dpi, a dot is 0.14 mm")
            << 2 << a4 << QPoint(180, 180) << 20 << 35
            << QStringList{"180×180 dpi", "上 20 ドット (2.8 mm)", "左 35 ドット (4.9 mm)"} << 0;
        QTest::newRow("タイムサービス(連続), slip form, down and left")
            << 3 << slipForm << QPoint(360, 360) << 15 << -50
            << QStringList{"360×360 dpi", "上 15 ドット (1.1 mm)", "左 -50 ドット (-3.5 mm)"} << 0;
        QTest::newRow("配達指定日(手差し), slip form, up and right")
            << 4 << slipForm << QPoint(360, 360) << -20 << 120
            << QStringList{"360×360 dpi", "上 -20 ドット (-1.4 mm)", "左 120 ドット (8.5 mm)"} << 2;
        QTest::newRow("配達指定日(連続), A4 at 720 × 360 dpi")
            << 5 << a4 << QPoint(720, 360) << 40 << 300
            << QStringList{"720×360 dpi", "上 40 ドット (2.8 mm)", "左 300 ドット (10.6 mm)"} << 2;
    }
    void crossesNamesRulersAndFooter()
    {
        QFETCH(int, type);
        QFETCH(int, paper);
        QFETCH(QPoint, dpi);
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(QStringList, footer);
        QFETCH(int, movedNames);
        const QString slipType = rova::slip::slipTypes()[type];
        const QString output = m_server.outputPath(kQueue);
        QFile::remove(output);

        // The printer set up for the slip type as the setup dialog leaves it.
        m_printers->setCurrentIndex(0);
        rova::print::DeviceMode mode = m_printers->deviceMode();
        mode.paper = paper;
        mode.resolution = dpi;
        m_printers->setDeviceMode(mode);
        rova::slip::PrintSettings settings;
        settings.printerName = kQueue;
        settings.printerIndex = QStringLiteral("0");
        settings.top = QString::number(top);
        settings.left = QString::number(left);
        m_jobs->printAlignmentSheet(slipType, settings);
        QVERIFY(m_server.waitForIdle());
        QVERIFY2(QFile::exists(output), qPrintable(m_server.errorLogTail()));
        QCOMPARE(pdfPageCount(output), 1);
        const QList<PdfWord> words = pdfWords(output);

        const Paper sheet = paperOf(paper);
        const QPointF corner(sheet.marginsMm.left(), sheet.marginsMm.top());
        const QPointF margins(left * kMmPerInch / dpi.x(), top * kMmPerInch / dpi.y());
        const double lower = 0.06 * 6 * kMmPerInch / 72; // the names are of 6 points
        int moved = 0;
        for (const rova::slip::LayoutPoint& p : rova::slip::layoutPoints(rova::slip::formKind(slipType))) {
            const QPointF cross = corner + QPointF(p.at) * kMmPerInch / 160 + margins;
            const QPointF name = cross + QPointF(kNameOffset, kNameOffset);
            int line = 0;
            while (line <= kNameLinesDown &&
                   !foundAt(words, p.label, name + QPointF(0, line * kNameLine), lower))
                ++line;
            QVERIFY2(line <= kNameLinesDown, qPrintable(where(p.label, name)));
            moved += line > 0;
        }
        QCOMPARE(moved, movedNames);

        const double width = sheet.sizeMm.width() - sheet.marginsMm.left() - sheet.marginsMm.right();
        const double height = sheet.sizeMm.height() - sheet.marginsMm.top() - sheet.marginsMm.bottom();
        for (int mm = 10; mm <= width; mm += 10) {
            const QPointF at = corner + QPointF(mm + kNumberAlong, kNumberIn);
            QVERIFY2(foundAt(words, QString::number(mm), at), qPrintable(where(QString::number(mm), at)));
        }
        for (int mm = 10; mm <= height; mm += 10) {
            const QPointF at = corner + QPointF(kNumberIn, mm + kNumberAlong);
            QVERIFY2(foundAt(words, QString::number(mm), at), qPrintable(where(QString::number(mm), at)));
        }

        const QString line = footerLine(words);
        for (const QString& part : QStringList{slipType, kQueue} + footer)
            QVERIFY2(line.contains(withoutSpaces(part)),
                     qPrintable(part + QStringLiteral(" not in ") + line));
    }
};

QTEST_MAIN(TestAlignmentSheetCups)
#include "test_alignmentsheet_cups.moc"
