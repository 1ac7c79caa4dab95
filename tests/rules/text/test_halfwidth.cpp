// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text/cp932.h"
#include "rules/text/halfwidth.h"
#include "support/vectors.h"

#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHalfWidth : public QObject
{
    Q_OBJECT
private slots:
    void everyMappedCharacter_data()
    {
        QTest::addColumn<QByteArray>("inBytes");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        const QList<QByteArray> lines = rova::test::readDataFile("halfwidth.tsv").split('\n');
        int rows = 0;
        for (const QByteArray& line : lines) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> f = line.split('\t');
            QVERIFY2(f.size() == 4, line.constData());
            const QString name =
                QStringLiteral("%1 %2 (%3)")
                    .arg(QString::fromLatin1(f[0]), QString::fromUtf8(f[1]), QString::fromLatin1(f[3]));
            QTest::newRow(qPrintable(name))
                << QByteArray::fromHex(f[0]) << QString::fromUtf8(f[1]) << QString::fromUtf8(f[2]);
            ++rows;
        }
        QVERIFY(rows >= 200);
    }
    void everyMappedCharacter()
    {
        QFETCH(QByteArray, inBytes);
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(rova::toHalfWidth(in), out);
        QCOMPARE(rova::toHalfWidth(out), out); // a second conversion changes nothing
        QCOMPARE(rova::cp932::decode(inBytes), in);
    }

    void referenceStrings_data()
    {
        QTest::addColumn<QByteArray>("inBytes");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QByteArray>("outBytes");
        const QJsonArray vectors = rova::test::readJsonArray("halfwidth-strings.json");
        QVERIFY(!vectors.isEmpty());
        for (const QJsonValue& v : vectors) {
            const QJsonObject o = v.toObject();
            QTest::newRow(qPrintable(o["desc"].toString()))
                << QByteArray::fromHex(o["in_hex"].toString().toLatin1()) << o["in"].toString()
                << o["out"].toString() << QByteArray::fromHex(o["out_hex"].toString().toLatin1());
        }
    }
    void referenceStrings()
    {
        QFETCH(QByteArray, inBytes);
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(QByteArray, outBytes);
        QCOMPARE(rova::cp932::decode(inBytes), in);
        QCOMPARE(rova::toHalfWidth(in), out);
        QCOMPARE(rova::cp932::toBytes(out), outBytes);
    }

    void ownCases_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("outside cp932: surrogate pair") << u"𠮷野家１"_s << u"𠮷野家1"_s;
        QTest::newRow("outside cp932: wave dash U+301C") << u"〜"_s << u"〜"_s;
        QTest::newRow("outside cp932: minus sign U+2212") << u"−１"_s << u"−1"_s;
        QTest::newRow("outside cp932: yen sign U+00A5") << u"¥"_s << u"¥"_s;
        QTest::newRow("hiragana is not katakana") << u"がぱゔ"_s << u"がぱゔ"_s;
        QTest::newRow("lone low surrogate")
            << QString(QChar(0xDC00)) + u"Ａ"_s << QString(QChar(0xDC00)) + u"A"_s;
    }
    void ownCases()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(rova::toHalfWidth(in), out);
    }

    // The platform's 256-byte buffer would lose such texts; every character must survive.
    void longTextsKeepEveryCharacter_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("mappedUnit");
        QTest::addColumn<int>("repeat");
        QTest::newRow("128 full-width digits, 256 bytes") << u"１"_s << u"1"_s << 128;
        QTest::newRow("voiced katakana doubling past 255 bytes") << u"ガ"_s << u"ｶﾞ"_s << 200;
        QTest::newRow("100 KB line") << u"ＡＢＣ　テスト漢字abc"_s << u"ABC ﾃｽﾄ漢字abc"_s << 10000;
    }
    void longTextsKeepEveryCharacter()
    {
        QFETCH(QString, unit);
        QFETCH(QString, mappedUnit);
        QFETCH(int, repeat);
        QCOMPARE(rova::toHalfWidth(unit.repeated(repeat)), mappedUnit.repeated(repeat));
    }
};

QTEST_GUILESS_MAIN(TestHalfWidth)
#include "test_halfwidth.moc"
