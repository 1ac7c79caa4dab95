// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numedit/numberformat.h"
#include "rules/numedit/numberinput.h"

#include <QTest>

using rova::numedit::NumberFormat;

Q_DECLARE_METATYPE(NumberFormat)

namespace
{
NumberFormat fmt(int integerLength = 9, int decimalLength = 3, bool minus = true)
{
    NumberFormat f;
    f.integerLength = integerLength;
    f.decimalLength = decimalLength;
    f.minus = minus;
    return f;
}
NumberFormat withFlags(NumberFormat f, bool comma, bool zeroEnabled, bool integerFixed, bool decimalFixed)
{
    f.comma = comma;
    f.zeroEnabled = zeroEnabled;
    f.integerFixed = integerFixed;
    f.decimalFixed = decimalFixed;
    return f;
}
} // namespace

class TestNumberFormat : public QObject
{
    Q_OBJECT
private slots:
    void filterText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<QString>("value");
        QTest::newRow("full-width digits, comma and stop, decimals cut")
            << u"１２，３４５．６７８９"_qs << fmt() << "12345.678";
        QTest::newRow("letter ends the number") << "12a34" << fmt() << "12";
        QTest::newRow("ten digits dropped whole, not shortened") << "1234567890" << fmt() << "";
        QTest::newRow("nine digits kept") << "123456789" << fmt() << "123456789";
        QTest::newRow("over-long integer part with decimals dropped") << "1234567890.5" << fmt() << "";
        QTest::newRow("second minus ends, lone minus stays") << "--5" << fmt() << "-";
        QTest::newRow("comma before minus counts as first character") << ",-5" << fmt() << "";
        QTest::newRow("full-width comma before minus is skipped") << u"，-5"_qs << fmt() << "-5";
        QTest::newRow("half-width commas dropped") << "1,234,567" << fmt() << "1234567";
        QTest::newRow("minus refused when not allowed") << "-5" << fmt(9, 3, false) << "";
        QTest::newRow("minus after a digit ends") << "5-3" << fmt() << "5";
        QTest::newRow("second point ends") << "1.2.3" << fmt() << "1.2";
        QTest::newRow("point ends without decimals") << "12.5" << fmt(9, 0) << "12";
        QTest::newRow("full-width minus") << u"－７"_qs << fmt() << "-7";
        QTest::newRow("other double-byte character ends") << u"12円34"_qs << fmt() << "12";
        QTest::newRow("half-width katakana ends") << u"12ｱ3"_qs << fmt() << "12";
        QTest::newRow("leading blank ends at once") << " 12" << fmt() << "";
        QTest::newRow("ideographic space ends at once") << u"　12"_qs << fmt() << "";
        QTest::newRow("leading zeros are kept by filtering") << "007" << fmt() << "007";
        QTest::newRow("lone point kept") << "." << fmt() << ".";
        QTest::newRow("empty stays empty") << "" << fmt() << "";
        QTest::newRow("sign not counted as integer digit") << "-123" << fmt(3, 0) << "-123";
        QTest::newRow("piece count: four digits dropped") << "1000" << fmt(3, 0) << "";
        QTest::newRow("piece count: three digits kept") << "999" << fmt(3, 0) << "999";
        QTest::newRow("commas do not count as digits") << "123,456,789" << fmt() << "123456789";
    }
    void filterText()
    {
        QFETCH(QString, text);
        QFETCH(NumberFormat, format);
        QFETCH(QString, value);
        QCOMPARE(rova::numedit::filterText(text, format), value);
    }

    void filterBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("dangling lead byte ends the text") << QByteArray("12\x82") << "12";
        QTest::newRow("dangling lead byte after a full-width digit") << QByteArray("\x82\x50\x82") << "1";
        QTest::newRow("stray byte 0x80 ends") << QByteArray("1\x80"
                                                            "2")
                                              << "1";
        QTest::newRow("full-width zero and nine") << QByteArray("\x82\x4F\x82\x58") << "09";
        QTest::newRow("full-width comma 0x8143 skipped") << QByteArray("1\x81\x43"
                                                                       "2")
                                                         << "12";
        QTest::newRow("full-width stop 0x8144") << QByteArray("1\x81\x44"
                                                              "5")
                                                << "1.5";
        QTest::newRow("full-width minus 0x817C") << QByteArray("\x81\x7C"
                                                               "3")
                                                 << "-3";
        QTest::newRow("trail byte that looks like a digit is not one") << QByteArray("\x83\x35"
                                                                                     "5")
                                                                       << "";
    }
    void filterBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        QCOMPARE(rova::numedit::filterBytes(bytes, fmt()), value);
    }

    void stripZeros_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("zeroEnabled");
        QTest::addColumn<QString>("stripped");
        QTest::newRow("leading zeros go") << "007" << false << "7";
        QTest::newRow("negative zeros keep one zero") << "-00" << false << "-0";
        QTest::newRow("single zero stays") << "0" << false << "0";
        QTest::newRow("lone point gets a zero") << "." << false << "0.";
        QTest::newRow("negative with decimals") << "-00.5" << false << "-0.5";
        QTest::newRow("minus and point") << "-." << false << "-0.";
        QTest::newRow("empty stays") << "" << false << "";
        QTest::newRow("lone minus stays") << "-" << false << "-";
        QTest::newRow("inner zeros stay") << "100" << false << "100";
        QTest::newRow("decimal zeros stay") << "0.05" << false << "0.05";
        QTest::newRow("zeros kept when enabled") << "007" << true << "007";
    }
    void stripZeros()
    {
        QFETCH(QString, value);
        QFETCH(bool, zeroEnabled);
        QFETCH(QString, stripped);
        NumberFormat f;
        f.zeroEnabled = zeroEnabled;
        QCOMPARE(rova::numedit::stripZeros(value, f), stripped);
    }

    void splitNumber_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("all four parts") << "-1234.5" << QStringList{"-", "1234", ".", "5"};
        QTest::newRow("integer only") << "12" << QStringList{"", "12", "", ""};
        QTest::newRow("lone minus") << "-" << QStringList{"-", "", "", ""};
        QTest::newRow("trailing point") << "12." << QStringList{"", "12", ".", ""};
        QTest::newRow("empty") << "" << QStringList{"", "", "", ""};
    }
    void splitNumber()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, parts);
        const auto s = rova::numedit::splitNumber(value);
        QCOMPARE((QStringList{s.sign, s.integerPart, s.point, s.decimalPart}), parts);
        QCOMPARE(s.joined(), value);
    }

    void insertCommas_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("grouped");
        QTest::newRow("seven digits") << "1234567"
                                      << "1,234,567";
        QTest::newRow("three digits, no comma in front") << "123"
                                                         << "123";
        QTest::newRow("four digits") << "1234"
                                     << "1,234";
        QTest::newRow("six digits, no comma in front") << "123456"
                                                       << "123,456";
        QTest::newRow("empty") << ""
                               << "";
    }
    void insertCommas()
    {
        QFETCH(QString, digits);
        QFETCH(QString, grouped);
        QCOMPARE(rova::numedit::insertCommas(digits), grouped);
    }

    void templates_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("layout");
        const NumberFormat plain = fmt();
        const NumberFormat intFixed = withFlags(fmt(), true, false, true, false);
        const NumberFormat decFixed = withFlags(fmt(9, 3), true, false, false, true);
        QTest::newRow("empty shows nothing") << "" << plain << ""
                                             << ""
                                             << "";
        QTest::newRow("commas in the integer part") << "1234.5" << plain << "1,234.5"
                                                    << "1,234.5"
                                                    << "1,234.5";
        QTest::newRow("no commas when off")
            << "1234" << withFlags(fmt(), false, false, false, false) << "1234"
            << "1234"
            << "1234";
        QTest::newRow("lone minus") << "-" << plain << "-"
                                    << "-"
                                    << "-";
        QTest::newRow("integer fixed, empty") << "" << intFixed << "0"
                                              << "0"
                                              << "-000,000,000";
        QTest::newRow("integer fixed keeps the decimals in the template") << "12.5" << intFixed << "12.5"
                                                                          << "12.5"
                                                                          << "-000,000,000.5";
        QTest::newRow("integer fixed without minus")
            << "" << withFlags(fmt(9, 3, false), true, false, true, false) << "0"
            << "0"
            << "000,000,000";
        QTest::newRow("decimal fixed, empty") << "" << decFixed << "0.000"
                                              << "0"
                                              << "0.000";
        QTest::newRow("decimal fixed pads") << "1234.5" << decFixed << "1,234.500"
                                            << "1,234.5"
                                            << "1,234.000";
        QTest::newRow("decimal fixed, two places")
            << "" << withFlags(fmt(9, 2), true, false, false, true) << "0.00"
            << "0"
            << "0.00";
        QTest::newRow("decimal fixed without decimals shows no point")
            << "12" << withFlags(fmt(9, 0), true, false, false, true) << "12"
            << "12"
            << "12.";
        QTest::newRow("both fixed") << "-5" << withFlags(fmt(3, 2), true, false, true, true) << "-5.00"
                                    << "-5"
                                    << "-000.00";
    }
    void templates()
    {
        QFETCH(QString, value);
        QFETCH(NumberFormat, format);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, layout);
        QCOMPARE(rova::numedit::formatValue(value, format), shown);
        QCOMPARE(rova::numedit::inputTemplate(value, format), typed);
        QCOMPARE(rova::numedit::layoutTemplate(value, format), layout);
    }

    void displayImage_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("decimalFixed");
        QTest::addColumn<QString>("image");
        QTest::newRow("marks around the number") << "1234" << false << u"￥1,234円"_qs;
        QTest::newRow("no marks while nothing is shown") << "" << false << "";
        QTest::newRow("marks around fixed zeros") << "" << true << u"￥0.000円"_qs;
    }
    void displayImage()
    {
        QFETCH(QString, value);
        QFETCH(bool, decimalFixed);
        QFETCH(QString, image);
        const NumberFormat f = withFlags(fmt(), true, false, false, decimalFixed);
        QCOMPARE(rova::numedit::displayImage(value, f, u"￥"_qs, u"円"_qs), image);
    }

    void maxTemplate_data()
    {
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<QString>("widest");
        QTest::newRow("defaults") << fmt() << "-000,000,000.000";
        QTest::newRow("point even without decimals") << fmt(3, 0) << "-000.";
        QTest::newRow("no sign without minus") << fmt(4, 1, false) << "0,000.0";
        QTest::newRow("commas regardless of the comma flag")
            << withFlags(fmt(4, 0), false, false, false, false) << "-0,000.";
    }
    void maxTemplate()
    {
        QFETCH(NumberFormat, format);
        QFETCH(QString, widest);
        QCOMPARE(rova::numedit::maxTemplate(format), widest);
    }

    void roomForDigit_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<bool>("room");
        QTest::newRow("integer part full") << "123" << fmt(3, 0) << false;
        QTest::newRow("integer part not full") << "12" << fmt(3, 0) << true;
        QTest::newRow("sign does not count") << "-12" << fmt(3, 0) << true;
        QTest::newRow("decimals not full") << "1.23" << fmt() << true;
        QTest::newRow("decimals full") << "1.234" << fmt() << false;
        QTest::newRow("after the point the integer length does not matter") << "123." << fmt(3, 3) << true;
        QTest::newRow("no digits allowed at all") << "" << fmt(0, 3) << false;
    }
    void roomForDigit()
    {
        QFETCH(QString, value);
        QFETCH(NumberFormat, format);
        QFETCH(bool, room);
        QCOMPARE(rova::numedit::roomForDigit(value, format), room);
    }

    void withoutLast_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("rest");
        QTest::newRow("decimal digit and point go together") << "12.5"
                                                             << "12";
        QTest::newRow("trailing point goes") << "12."
                                             << "12";
        QTest::newRow("negative digit leaves the minus") << "-5"
                                                         << "-";
        QTest::newRow("lone minus goes") << "-"
                                         << "";
        QTest::newRow("one decimal of two") << "1.25"
                                            << "1.2";
    }
    void withoutLast()
    {
        QFETCH(QString, value);
        QFETCH(QString, rest);
        QCOMPARE(rova::numedit::withoutLast(value), rest);
    }

    void fromInputMethod_data()
    {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("key");
        QTest::newRow("full-width zero") << u"０"_qs << "0";
        QTest::newRow("full-width nine") << u"９"_qs << "9";
        QTest::newRow("full-width minus") << u"－"_qs << "-";
        QTest::newRow("full-width stop") << u"．"_qs << ".";
        QTest::newRow("full-width comma unchanged") << u"，"_qs << u"，"_qs;
        QTest::newRow("kana unchanged") << u"あ"_qs << u"あ"_qs;
    }
    void fromInputMethod()
    {
        QFETCH(QString, committed);
        QFETCH(QString, key);
        QCOMPARE(QString(rova::numedit::fromInputMethod(committed.at(0))), key);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_numberformat.moc"
