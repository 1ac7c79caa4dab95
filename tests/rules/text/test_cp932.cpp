// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text/cp932.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCp932 : public QObject
{
    Q_OBJECT
private slots:
    void bothWays_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0x817C is full-width hyphen-minus U+FF0D") << QByteArray("\x81\x7c") << u"\uFF0D"_s;
        QTest::newRow("0x5C stays a backslash") << QByteArray("\\") << u"\\"_s;
        QTest::newRow("0x7E stays a tilde") << QByteArray("~") << u"~"_s;
        QTest::newRow("0x8160 is full-width tilde U+FF5E") << QByteArray("\x81\x60") << u"\uFF5E"_s;
        QTest::newRow("0x8161 is parallel U+2225") << QByteArray("\x81\x61") << u"\u2225"_s;
        QTest::newRow("0x815C is horizontal bar U+2015") << QByteArray("\x81\x5c") << u"\u2015"_s;
        QTest::newRow("0x815F is full-width reverse solidus") << QByteArray("\x81\x5f") << u"\uFF3C"_s;
        QTest::newRow("0x818F is full-width yen sign") << QByteArray("\x81\x8f") << u"\uFFE5"_s;
        QTest::newRow("0x81CA is full-width not sign U+FFE2") << QByteArray("\x81\xca") << u"\uFFE2"_s;
        QTest::newRow("half-width katakana single bytes") << QByteArray("\xb1\xdf") << u"ｱﾟ"_s;
        QTest::newRow("slip type with U+3000")
            << QByteArray("\x94\xad\x95\xa5\x81\x40\x92\x85\x95\xa5") << u"発払　着払"_s;
        QTest::newRow("trail bytes '[', '\\', ']'") << QByteArray("\x83[\x83\\\x83]") << u"ゼソゾ"_s;
        QTest::newRow("circled digits row 0x8740") << QByteArray("\x87\x40") << u"①"_s;
        QTest::newRow("0x7F, 0x80, 0xA0, 0xFD to 0xFF as the platform maps them")
            << QByteArray("a\x7f\x80\xa0\xfd\xfe\xff"
                          "b")
            << u"a\u007F\u0080\uF8F0\uF8F1\uF8F2\uF8F3b"_s;
        QTest::newRow("0x80 as a trail byte is part of a pair") << QByteArray("\x81\x80\xa0") << u"÷\uF8F0"_s;
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void bothWays()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(rova::cp932::decode(bytes), text);
        const rova::cp932::Encoded e = rova::cp932::encode(text);
        QVERIFY(e.ok());
        QCOMPARE(e.bytes, bytes);
        QCOMPARE(rova::cp932::toBytes(text), bytes);
        QCOMPARE(rova::cp932::byteLength(text), bytes.size());
    }

    // Characters without a code must be reported, never quietly turned into a look-alike.
    void unencodableIsReported_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unencodable");
        QTest::addColumn<int>("byteLength");
        QTest::newRow("surrogate pair") << u"𠮷"_s << u"𠮷"_s << 2;
        QTest::newRow("wave dash U+301C") << u"〜"_s << u"〜"_s << 2;
        QTest::newRow("minus sign U+2212") << u"1−2"_s << u"−"_s << 4;
        QTest::newRow("yen sign U+00A5, not 0x5C") << u"¥100"_s << u"¥"_s << 5;
        QTest::newRow("em dash U+2014") << u"—"_s << u"—"_s << 2;
        QTest::newRow("double vertical line U+2016") << u"‖"_s << u"‖"_s << 2;
        QTest::newRow("each once, in order") << u"𠮷a〜𠮷b〜"_s << u"𠮷〜"_s << 10;
        QTest::newRow("latin-1 letter") << u"café"_s << u"é"_s << 5;
        QTest::newRow("controls kept as single bytes around the ones reported")
            << u"\u0080😀\uF8F0😀名"_s << u"😀"_s << 8;
    }
    void unencodableIsReported()
    {
        QFETCH(QString, text);
        QFETCH(QString, unencodable);
        QFETCH(int, byteLength);
        const rova::cp932::Encoded e = rova::cp932::encode(text);
        QVERIFY(!e.ok());
        QCOMPARE(e.unencodable, unencodable);
        QVERIFY(!e.bytes.contains('?'));
        QCOMPARE(rova::cp932::byteLength(text), byteLength);
    }

    // Text from other programs arrives with the other mapping's forms; after folding it encodes.
    void foldVariants_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("each of the seven becomes the code page form")
            << u"03\u22121234 \u301C\u2016\u2014\u00A2\u00A3\u00AC"_s
            << u"03\uFF0D1234 \uFF5E\u2225\u2015\uFFE0\uFFE1\uFFE2"_s;
        QTest::newRow("code page forms and ASCII hyphen and tilde stay")
            << u"\uFF0D\uFF5E\u2225\u2015\uFFE0\uFFE1\uFFE2-~"_s
            << u"\uFF0D\uFF5E\u2225\u2015\uFFE0\uFFE1\uFFE2-~"_s;
    }
    void foldVariants()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(rova::cp932::foldVariants(text), folded);
        QVERIFY(rova::cp932::encode(folded).ok());
    }

    // Files are code page 932 bytes: what they decode to needs no folding.
    void decodedPairsAreAlreadyFolded()
    {
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!rova::cp932::isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const QString text = rova::cp932::decode(QByteArray{char(lead), char(trail)});
                QVERIFY2(rova::cp932::foldVariants(text) == text,
                         qPrintable(QString::number(lead * 256 + trail, 16)));
            }
        }
    }

    void everySingleByteRoundTrips()
    {
        QCOMPARE(rova::cp932::decode("\x1a\x1c\x7f"), u"\u001A\u001C\u007F"_s);
        for (int b = 0; b < 256; ++b) {
            if (rova::cp932::isLeadByte(uchar(b)))
                continue;
            const QByteArray bytes(1, char(b));
            const QString text = rova::cp932::decode(bytes);
            QVERIFY2(text.size() == 1 && (text != u"\u001A"_s || b == 0x1A),
                     qPrintable(QString::number(b, 16)));
            QCOMPARE(rova::cp932::toBytes(text), bytes);
        }
    }

    void brokenBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("lone lead byte before a single byte keeps what follows")
            << QByteArray("\x81\xfd\x83\x41") << u"\u001A\uF8F1ア"_s;
        QTest::newRow("lone lead byte before a line end keeps the line end")
            << QByteArray("\x83\r\nx") << u"\u001A\r\nx"_s;
        QTest::newRow("lone lead byte at the end is not dropped") << QByteArray("a\x83") << u"a\u001A"_s;
    }
    void brokenBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(rova::cp932::decode(bytes), text);
    }

    void byteLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("ASCII") << u"abc"_s << 3;
        QTest::newRow("full-width counts two") << u"あい"_s << 4;
        QTest::newRow("half-width katakana counts one") << u"ｱｲ"_s << 2;
        QTest::newRow("20 full-width: 40 bytes") << u"あ"_s.repeated(20) << 40;
        QTest::newRow("21 full-width: 42 bytes") << u"あ"_s.repeated(21) << 42;
        QTest::newRow("mixed") << u"1丁目ABC"_s << 8;
    }
    void byteLength()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(rova::cp932::byteLength(text), bytes);
    }

    void charLength_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("trail bytes '[' '\\' ']' stay inside their characters")
            << QByteArray("\x83[\x83\\\x83]") << QList<int>{0, 2, 4};
        QTest::newRow("ASCII and half-width katakana are single") << QByteArray("a\xb1"
                                                                                "b")
                                                                  << QList<int>{0, 1, 2};
        QTest::newRow("lead byte before a line end stands alone")
            << QByteArray("\x83\r\n") << QList<int>{0, 1, 2};
        QTest::newRow("lead byte at the end stands alone") << QByteArray("a\x83") << QList<int>{0, 1};
        QTest::newRow("lead byte before 0x7F stands alone") << QByteArray("\x83\x7f") << QList<int>{0, 1};
    }
    void charLength()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, starts);
        QList<int> found;
        for (qsizetype i = 0; i < bytes.size(); i += rova::cp932::charLength(bytes, i))
            found << int(i);
        QCOMPARE(found, starts);
    }
};

QTEST_GUILESS_MAIN(TestCp932)
#include "test_cp932.moc"
