// SPDX-License-Identifier: GPL-3.0-or-later
// Values that run into each other or off the printable area, named as the operator knows the fields,
// measured with the printer's font at its resolution; an ordinary slip gives no line at all.

#include "rules/slip/pagegeometry.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/slipoverlaps.h"
#include "support/sampleslip.h"

#include <QGuiApplication>
#include <QTest>

using namespace rova::slip;

namespace
{

const PageArea kA4{{210, 297}, {5, 5, 5, 5}};

PrintSettings at(int dpi, const QString& top = "0", const QString& left = "0")
{
    PrintSettings p;
    p.resolution = {dpi, dpi};
    p.top = top;
    p.left = left;
    return p;
}

using Change = std::function<void(SlipValues&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestSlipOverlaps : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("slipType");
        QTest::addColumn<Change>("change");
        QTest::addColumn<PrintSettings>("settings");
        QTest::addColumn<QStringList>("expected");
        const QString longLine(30, QChar(0x3042)); // 30 × "あ"
        for (int size : {0, 1, 2}) {
            for (const QString& type : slipTypes())
                QTest::addRow("ordinary %s, font size %d", qPrintable(type), size)
                    << type << Change([size](SlipValues& s) { s.fontSizeIndex = size; }) << at(600)
                    << QStringList();
            QTest::addRow("long address line 1 into the items, font size %d", size)
                << slipTypes()[0] << Change([=](SlipValues& s) {
                       s.fontSizeIndex = size;
                       s.add1 = longLine;
                   })
                << at(600) << QStringList{"おところ① が 品名 に重なります"};
            QTest::addRow("long address line 2 into the items, font size %d", size)
                << slipTypes()[2] << Change([=](SlipValues& s) {
                       s.fontSizeIndex = size;
                       s.add2 = longLine;
                   })
                << at(300) << QStringList{"おところ② が 品名 に重なります"};
        }
        QTest::newRow("long name runs off the right edge") << slipTypes()[0] << Change([](SlipValues& s) {
            s.timeSlots = {};
            s.name = QString(60, QChar(0x3042));
        }) << at(600) << QStringList{"おなまえ が印刷できる範囲をはみ出します"};
        QTest::newRow("a left margin pushes the address lines off the left edge")
            << slipTypes()[4] << Change([](SlipValues& s) { s.printSender = false; }) << at(600, "0", "-600")
            << QStringList{"おところ① が印刷できる範囲をはみ出します",
                           "おところ② が印刷できる範囲をはみ出します",
                           "おところ③ が印刷できる範囲をはみ出します"};
        QTest::newRow("a top margin pushes the sender off the bottom")
            << slipTypes()[0] << Change([](SlipValues& s) { s.timeSlots = {}; }) << at(600, "5400")
            << QStringList{"ご依頼主〒 が印刷できる範囲をはみ出します",
                           "ご依頼主でんわ が印刷できる範囲をはみ出します",
                           "ご依頼主おところ① が印刷できる範囲をはみ出します",
                           "ご依頼主おところ② が印刷できる範囲をはみ出します",
                           "ご依頼主おなまえ が印刷できる範囲をはみ出します"};
        QTest::newRow("a margin that is no whole number is left to the print")
            << slipTypes()[0] << Change([](SlipValues& s) { s.add1 = QString(30, QChar(0x3042)); })
            << at(600, "1.5") << QStringList();
    }
    void lines()
    {
        QFETCH(QString, slipType);
        QFETCH(Change, change);
        QFETCH(PrintSettings, settings);
        QFETCH(QStringList, expected);
        SlipValues slip = rova::test::sampleSlip();
        slip.slipType = slipType;
        slip.fontSizeIndex = 0;
        change(slip);
        // Joined, so that a failure shows the lines.
        QCOMPARE(overlapReport(slip, settings, printableDots(kA4, settings.resolution)).join('\n'),
                 expected.join('\n'));
    }

    // The preview paints red exactly the fields a line names.
    void marksTheFieldsNamed()
    {
        SlipValues slip = rova::test::sampleSlip();
        slip.add1 = QString(30, QChar(0x3042));
        const QList<PlacedField> placed = placeFields(slip, at(600));
        const Overlaps overlaps = findOverlaps(placed, QRect());
        QSet<QString> marked;
        for (int i = 0; i < placed.size(); ++i)
            if (overlaps.marks(i))
                marked.insert(placed[i].field.field);
        QCOMPARE(marked, (QSet<QString>{"おところ①", "品名"}));
    }

    void millimetresAndDots_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("dots");
        QTest::addColumn<double>("mm");
        QTest::newRow("300 dpi") << 300 << 118 << 9.99;
        QTest::newRow("600 dpi") << 600 << 236 << 9.99;
        QTest::newRow("631 dpi") << 631 << 248 << 9.98;
        QTest::newRow("600 dpi negative") << 600 << -12 << -0.51;
    }
    void millimetresAndDots()
    {
        QFETCH(int, dpi);
        QFETCH(int, dots);
        QFETCH(double, mm);
        QVERIFY2(qAbs(dotsToMm(dots, dpi) - mm) < 0.005, qPrintable(QString::number(dotsToMm(dots, dpi))));
        QCOMPARE(mmToDots(dotsToMm(dots, dpi), dpi), dots);
    }

    void nudgesReturnToTheSameDots_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("halfStep");
        QTest::newRow("300 dpi") << 300 << 6;
        QTest::newRow("600 dpi") << 600 << 12;
        QTest::newRow("631 dpi") << 631 << 12;
    }
    void nudgesReturnToTheSameDots()
    {
        QFETCH(int, dpi);
        QFETCH(int, halfStep);
        for (int start : {0, 25, -7}) {
            QCOMPARE(nudgedMargin(start, 1, dpi), start + halfStep);
            QCOMPARE(nudgedMargin(start, 0, dpi), start);
            QCOMPARE(nudgedMargin(start, -1, dpi), start - halfStep);
            // Twenty steps are ten millimetres, within half a dot: the steps' rounding does not add up.
            QCOMPARE(nudgedMargin(start, 20, dpi), start + mmToDots(10, dpi));
        }
    }

    void printableAreaInDots()
    {
        QCOMPARE(printableDots(kA4, {600, 300}), QRect(0, 0, 4724, 3390));
        QCOMPARE(paperDots(kA4, {600, 300}), QRect(-118, -59, 4961, 3508));
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestSlipOverlaps test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_slipoverlaps.moc"
