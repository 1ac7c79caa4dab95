// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"
#include "rules/text/strtoint.h"

#include <QTest>

class TestStrToInt : public QObject
{
    Q_OBJECT
private slots:
    void valid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "25" << 25;
        QTest::newRow("negative margin") << "-12" << -12;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("leading blanks") << "  3" << 3;
        QTest::newRow("dollar hex") << "$1F" << 31;
        QTest::newRow("0x hex") << "0x10" << 16;
        QTest::newRow("0X hex") << "0XfF" << 255;
        QTest::newRow("hex spells 32-bit pattern") << "$FFFFFFFF" << -1;
        QTest::newRow("int max") << "2147483647" << 2147483647;
        QTest::newRow("int min") << "-2147483648" << int(-2147483648LL);
    }
    void valid()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(rova::strToInt(text), value);
    }

    void invalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("decimals") << "1.5";
        QTest::newRow("trailing blank") << "3 ";
        QTest::newRow("letters") << "12a";
        QTest::newRow("lone sign") << "-";
        QTest::newRow("lone dollar") << "$";
        QTest::newRow("overflow") << "2147483648";
        QTest::newRow("full-width digits") << "１２";
    }
    void invalid()
    {
        QFETCH(QString, text);
        try {
            rova::strToInt(text);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
        QCOMPARE(rova::strToIntDef(text, -99), -99);
    }
};

QTEST_GUILESS_MAIN(TestStrToInt)
#include "test_strtoint.moc"
