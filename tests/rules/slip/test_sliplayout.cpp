// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/sliplayout.h"
#include "support/sampleslip.h"

#include <QLocale>
#include <QTest>

using namespace rova::slip;

Q_DECLARE_METATYPE(TextItem)

namespace rova::slip
{
char* toString(const TextItem& item)
{
    return QTest::toString(QStringLiteral("%1 (%2 %3pt%4) at %5,%6")
                               .arg(item.text, item.family)
                               .arg(item.points)
                               .arg(item.bold ? " bold" : "")
                               .arg(item.x)
                               .arg(item.y));
}
} // namespace rova::slip

namespace
{

// The sample slip as a slip of the type (of none when empty).
SlipValues filled(const QString& slipType)
{
    SlipValues s = rova::test::sampleSlip();
    s.slipType = slipType;
    return s;
}

// The texts drawn at one layout point, in order.
QStringList at(const QList<TextItem>& items, int x, int y)
{
    QStringList texts;
    for (const TextItem& item : items)
        if (item.x == x && item.y == y)
            texts << item.text;
    return texts;
}

QList<TextItem> marks(const QList<TextItem>& items)
{
    QList<TextItem> found;
    for (const TextItem& item : items)
        if (item.text == QStringLiteral("○"))
            found << item;
    return found;
}

} // namespace

class TestSlipLayout : public QObject
{
    Q_OBJECT
private slots:
    void postalBoxes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("three digits, hyphen, four digits")
            << "123-4567" << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        const QStringList digits{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("seven digits without hyphen fill the seven boxes") << "1234567" << digits;
        QTest::newRow("full-width without hyphen") << "１２３４５６７" << digits;
        QTest::newRow("postal mark, blanks and the long vowel mark") << "　〒 123ー4567 " << digits;
        QTest::newRow("postal mark before seven digits") << "〒1234567" << digits;
        QTest::newRow("eight digits keep the positional rule")
            << "12345678" << QStringList{"1", "2", "3", "5", "6", "7", "8"};
        QTest::newRow("hyphen in the wrong place keeps the positional rule")
            << "1234-567" << QStringList{"1", "2", "3", "-", "5", "6", "7"};
        QTest::newRow("short code leaves trailing boxes empty")
            << "123" << QStringList{"1", "2", "3", "", "", "", ""};
        QTest::newRow("empty code draws nothing") << "" << QStringList{"", "", "", "", "", "", ""};
        QTest::newRow("full-width code takes its half-width positions")
            << "１２３－４５６７" << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("double-byte mark drawn whole at its first byte, never half")
            << "〒123-45" << QStringList{"〒", "", "1", "3", "-", "4", "5"};
        QTest::newRow("kanji across the hyphen position")
            << "東京都大阪" << QStringList{"東", "", "京", "都", "", "大", ""};
        QTest::newRow("full-width katakana becomes single-byte")
            << "ｱイウ" << QStringList{"ｱ", "ｲ", "ｳ", "", "", "", ""};
    }
    void postalBoxes()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, boxes);
        QCOMPARE(postalCodeBoxes(code), boxes);
    }

    void pieceCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("boxes");
        QTest::newRow("one digit: two spaces in front") << "5"
                                                        << "  5";
        QTest::newRow("two digits: one space") << "12"
                                               << " 12";
        QTest::newRow("three digits stay") << "123"
                                           << "123";
        QTest::newRow("four digits keep the last three") << "1234"
                                                         << "234";
        QTest::newRow("blanks around are trimmed") << " 7 "
                                                   << "  7";
        QTest::newRow("empty count") << ""
                                     << "   ";
    }
    void pieceCount()
    {
        QFETCH(QString, count);
        QFETCH(QString, boxes);
        QCOMPARE(padRight3(count), boxes);
    }

    void datePieces_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C locale") << QLocale::c();
        QTest::newRow("German desktop writes day first") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("US desktop writes month first") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("Japanese desktop") << QLocale(QLocale::Japanese, QLocale::Japan);
    }
    void datePieces()
    {
        QFETCH(QLocale, locale);
        const QLocale before;
        QLocale::setDefault(locale);
        const QStringList pieces = rova::slip::datePieces(QDate(2026, 3, 7));
        QLocale::setDefault(before);
        QCOMPARE(pieces, (QStringList{"2026", "03", "07"}));
    }

    void addressSize_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("points");
        QTest::newRow("10 chosen") << 0 << 10;
        QTest::newRow("11 chosen") << 1 << 11;
        QTest::newRow("12 chosen") << 2 << 12;
        QTest::newRow("nothing chosen") << -1 << 10;
    }
    void addressSize()
    {
        QFETCH(int, index);
        QFETCH(int, points);
        SlipValues s = filled(slipTypes()[0]);
        s.fontSizeIndex = index;
        const QList<TextItem> items = layoutItems(s);
        for (const TextItem& item : items)
            if (item.y == 174 || item.y == 330 || item.y == 195)
                QCOMPARE(item.points, points);
        QCOMPARE(at(items, 150, 174), QStringList{"東京都千代田区丸の内１－１"});
    }

    void emptyFieldDrawsNothing()
    {
        SlipValues s = filled(slipTypes()[0]);
        s.tel.clear();
        s.g2.clear();
        const QList<TextItem> full = layoutItems(filled(slipTypes()[0]));
        const QList<TextItem> items = layoutItems(s);
        QCOMPARE(items.size(), full.size() - 2);
        QVERIFY(at(items, 245, 110).isEmpty());
        QVERIFY(at(items, 570, 225).isEmpty());
        QCOMPARE(at(items, 570, 255), QStringList{"食品"});
    }

    void overlongTextDrawnWhole()
    {
        SlipValues s = filled(slipTypes()[0]);
        s.add1 = QString(60, QChar(0x6771));
        QCOMPARE(at(layoutItems(s), 150, 174), QStringList{s.add1});
    }

    void dateUnticked()
    {
        SlipValues s = filled(slipTypes()[0]);
        s.printDate = false;
        const QList<TextItem> items = layoutItems(s);
        for (const TextItem& item : items)
            QVERIFY2(item.y != 70, qPrintable(item.text));
        QCOMPARE(at(items, 830, 114), QStringList{"12"});
        QCOMPARE(at(items, 930, 114), QStringList{"24"});
    }

    void timeMark_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QList<int>>("promised");
        QTest::addColumn<int>("y"); // 0: no mark
        QTest::addColumn<int>("points");
        QTest::newRow("standard, no box ticked") << 0 << QList<int>{} << QList<int>{} << 0 << 0;
        QTest::newRow("standard, 午前中") << 0 << QList<int>{0} << QList<int>{} << 30 << 22;
        QTest::newRow("standard, several: first in order")
            << 1 << QList<int>{5, 3} << QList<int>{} << 190 << 22;
        QTest::newRow("standard, 20→21時") << 1 << QList<int>{5} << QList<int>{} << 298 << 22;
        QTest::newRow("standard ignores promised times") << 0 << QList<int>{} << QList<int>{0, 1} << 0 << 0;
        QTest::newRow("time service, 午前10時") << 2 << QList<int>{} << QList<int>{0} << 90 << 26;
        QTest::newRow("time service, 午後５時") << 3 << QList<int>{} << QList<int>{1} << 160 << 26;
        QTest::newRow("time service, both: first") << 3 << QList<int>{} << QList<int>{0, 1} << 90 << 26;
        QTest::newRow("time service ignores time slots") << 2 << QList<int>{0, 1} << QList<int>{} << 0 << 0;
        QTest::newRow("delivery date, 12→14時") << 4 << QList<int>{1} << QList<int>{} << 54 << 14;
        QTest::newRow("delivery date, 18→20時") << 5 << QList<int>{4} << QList<int>{1} << 156 << 14;
        QTest::newRow("no slip type: no mark") << -1 << QList<int>{0} << QList<int>{0} << 0 << 0;
    }
    void timeMark()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, ticked);
        QFETCH(QList<int>, promised);
        QFETCH(int, y);
        QFETCH(int, points);
        SlipValues s = filled(type < 0 ? QString() : slipTypes()[type]);
        s.timeSlots = {};
        s.promisedTimes = {};
        for (int i : ticked)
            s.timeSlots[i] = true;
        for (int i : promised)
            s.promisedTimes[i] = true;
        const QList<TextItem> found = marks(layoutItems(s));
        if (y == 0) {
            QVERIFY(found.isEmpty());
            return;
        }
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0], (TextItem{"○", kMincho, points, true, 1034, y}));
    }

    void itemBlock_data()
    {
        QTest::addColumn<QString>("slipType");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QList<TextItem>>("expected");
        const QList<TextItem> goods{{"書籍", kMincho, 12, true, 570, 195},
                                    {"衣類", kMincho, 12, true, 570, 225},
                                    {"食品", kMincho, 12, true, 570, 255}};
        QTest::newRow("standard: three items, no count") << slipTypes()[0] << "5" << goods;
        QTest::newRow("time service: three items, no count") << slipTypes()[3] << "5" << goods;
        QTest::newRow("no slip type takes the standard block") << QString() << "5" << goods;
        QTest::newRow("delivery date: item 1 and count right-aligned")
            << slipTypes()[4] << "5"
            << QList<TextItem>{{"書籍", kMincho, 8, true, 540, 430}, {"5", kMincho, 14, true, 610, 570}};
        QTest::newRow("delivery date: 4-digit count prints the last three")
            << slipTypes()[5] << "1234"
            << QList<TextItem>{{"書籍", kMincho, 8, true, 540, 430},
                               {"2", kMincho, 14, true, 570, 570},
                               {"3", kMincho, 14, true, 590, 570},
                               {"4", kMincho, 14, true, 610, 570}};
        QTest::newRow("delivery date: empty count draws no box")
            << slipTypes()[5] << "" << QList<TextItem>{{"書籍", kMincho, 8, true, 540, 430}};
    }
    void itemBlock()
    {
        QFETCH(QString, slipType);
        QFETCH(QString, count);
        QFETCH(QList<TextItem>, expected);
        SlipValues s = filled(slipType);
        s.count = count;
        s.printSender = false;
        QList<TextItem> block;
        for (const TextItem& item : layoutItems(s))
            if (item.x >= 540 && item.x <= 610 && item.y >= 195)
                block << item;
        QCOMPARE(block, expected);
    }

    void senderUnticked()
    {
        SlipValues s = filled(slipTypes()[0]);
        s.printSender = false;
        for (const TextItem& item : layoutItems(s))
            QVERIFY2(item.y < 380, qPrintable(item.text));
    }
};

QTEST_GUILESS_MAIN(TestSlipLayout)
#include "test_sliplayout.moc"
