// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/orderimport.h"

#include "rules/errors.h"
#include "rules/text/cp932.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace rova::orders;

namespace
{
QByteArray sjis(const QString& text)
{
    return rova::cp932::toBytes(text);
}

QByteArray utf16(const QString& text, bool bigEndian)
{
    QStringEncoder encoder(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
    return (bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE")) + QByteArray(encoder(text));
}

// Records as "line: cell|cell|…", the header first.
QStringList records(const Table& t)
{
    QStringList out;
    for (const Record& r : QList<Record>{t.header} + t.rows)
        out << QStringLiteral("%1: %2").arg(r.line).arg(r.cells.join(u'|'));
    return out;
}

QString errorOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const rova::Error& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}
} // namespace

class TestOrderReading : public QObject
{
    Q_OBJECT
private slots:
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        const QString text = QStringLiteral("お届け先名,品名1\r\n山田　太郎,～りんご①\r\n");
        QTest::newRow("UTF-8 without a byte-order mark") << text.toUtf8() << Encoding::Utf8;
        QTest::newRow("UTF-8 with a byte-order mark")
            << "\xEF\xBB\xBF" + text.toUtf8() << Encoding::Utf8WithBom;
        QTest::newRow("code page 932") << sjis(text) << Encoding::Cp932;
        QTest::newRow("UTF-16 little-endian with its mark") << utf16(text, false) << Encoding::Utf16;
        QTest::newRow("UTF-16 big-endian with its mark") << utf16(text, true) << Encoding::Utf16;
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        const DecodedText d = decodeOrderText(bytes, QStringLiteral("a.csv"));
        QCOMPARE(d.encoding, encoding);
        QCOMPARE(d.text, QStringLiteral("お届け先名,品名1\r\n山田　太郎,～りんご①\r\n"));
    }

    void plainAsciiIsUtf8()
    {
        QCOMPARE(decodeOrderText("a,b\n1,2\n", QStringLiteral("a.csv")).encoding, Encoding::Utf8);
    }

    // The line named is where the encoding the file is mostly in first breaks.
    void bytesOfNeitherEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        // Every one of them says which encodings are read and how to save the file as one.
        const QString hint =
            QStringLiteral("\n読める文字コードは UTF-8 (BOM 付きも)、UTF-16、シフトJIS (CP932) です。"
                           "表計算ソフトでは「名前を付けて保存」で「CSV UTF-8」を選んで保存し直してください");
        const QString neither =
            QStringLiteral("a.csv の %1 行目: 文字コードが UTF-8 でもシフトJIS (CP932) でもありません") +
            hint;
        QTest::newRow("code page 932 file with an unassigned pair on line 3")
            << sjis(QStringLiteral("名前\r\n山田\r\n")) + "\x85\x40\r\n"
            << neither.arg(3);
        QTest::newRow("UTF-8 file with a stray byte on line 2")
            << QStringLiteral("名前\n").toUtf8() + "\xFF\n"
            << neither.arg(2);
        QTest::newRow("code page 932 file cut after a lead byte")
            << sjis(QStringLiteral("名前\n山田\n")) + "\x88" << neither.arg(3);
        QTest::newRow("NUL byte on line 4") << QByteArray("a\nb\nc\nd\0e\n", 11) << neither.arg(4);
        QTest::newRow("byte-order mark, then no UTF-8 on line 2")
            << "\xEF\xBB\xBF" + sjis(QStringLiteral("a\n名前\n"))
            << QStringLiteral("a.csv の 2 行目: UTF-8 として読めない文字があります") + hint;
        QTest::newRow("UTF-16 with a lone surrogate on line 2")
            << utf16(QStringLiteral("a\nb") + QChar(0xD800) + u'\n', false)
            << QStringLiteral("a.csv の 2 行目: UTF-16 として読めない文字があります") + hint;
        QTest::newRow("UTF-16 with a NUL on line 2")
            << utf16(QStringLiteral("a\nb") + QChar(0) + u'\n', true)
            << QStringLiteral("a.csv の 2 行目: UTF-16 として読めない文字があります") + hint;
        QTest::newRow("byte-order mark, then a NUL on line 2")
            << QByteArray("\xEF\xBB\xBF"
                          "a\nb\0\n",
                          8)
            << QStringLiteral("a.csv の 2 行目: UTF-8 として読めない文字があります") + hint;
        QTest::newRow("UTF-16 cut inside its last character")
            << utf16(QStringLiteral("a\nb\nc"), false).chopped(1)
            << QStringLiteral("a.csv の 3 行目: UTF-16 として読めない文字があります") + hint;
    }
    void bytesOfNeitherEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QCOMPARE(errorOf([&] { decodeOrderText(bytes, QStringLiteral("a.csv")); }), message);
    }

    void records_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("quoted separator") << "a,b\r\n\"x,y\",z\r\n"
                                          << QChar(u',') << QStringList{"1: a|b", "2: x,y|z"};
        QTest::newRow("doubled quotes") << "a\n\"say \"\"hi\"\"\"\n"
                                        << QChar(u',') << QStringList{"1: a", "2: say \"hi\""};
        QTest::newRow("line breaks inside quotes move the next record's line")
            << "a,b\r\n\"1\r\n2\",x\r\n\"3\n4\n5\",y\r\nz,w\r\n"
            << QChar(u',') << QStringList{"1: a|b", "2: 1\r\n2|x", "4: 3\n4\n5|y", "7: z|w"};
        QTest::newRow("blank lines skipped, last line without its break")
            << "\r\na,b\r\n\r\n1,2\n   \n3,4" << QChar(u',') << QStringList{"2: a|b", "4: 1|2", "6: 3|4"};
        QTest::newRow("lone carriage returns end lines")
            << "a\r1\r2" << QChar(u',') << QStringList{"1: a", "2: 1", "3: 2"};
        QTest::newRow("tabs in the header make it tab-separated")
            << "order-id\trecipient-name\tnote\r\n1\t山田, 太郎\t\"a\tb\"\r\n"
            << QChar(u'\t') << QStringList{"1: order-id|recipient-name|note", "2: 1|山田, 太郎|a\tb"};
        QTest::newRow("a quote inside an unquoted field is a character")
            << "a,b\n12\" ruler,x\n"
            << QChar(u',') << QStringList{"1: a|b", "2: 12\" ruler|x"};
        QTest::newRow("empty fields kept, header cells trimmed")
            << " a , b ,c\n,, \n"
            << QChar(u',') << QStringList{"1: a|b|c", "2: || "};
        QTest::newRow("a quote inside a header cell opens nothing: the rows' tabs do not count")
            << "注文番号,備考\"\n1,\"a\tb\tc\"\n"
            << QChar(u',') << QStringList{"1: 注文番号|備考\"", "2: 1|a\tb\tc"};
        QTest::newRow("quoted commas in the header do not count towards the separator")
            << "\"a,b,c\"\td\n1\t2\n"
            << QChar(u'\t') << QStringList{"1: a,b,c|d", "2: 1|2"};
    }
    void records()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(QStringList, expected);
        const Table t = parseDelimited(text, QStringLiteral("a.csv"));
        QCOMPARE(t.separator, separator);
        QCOMPARE(::records(t), expected);
    }

    // A shop's export written by another program: its minus signs and wave dashes are code page
    // 932's hyphen and tilde once read, so the slips can be stored.
    void variantCharactersAreReadAsCodePage932()
    {
        const OrderFile file =
            parseOrderFile(QStringLiteral("電話,商品\n03\u22121234\u22125678,靴下\u301C2足\n").toUtf8(),
                           QStringLiteral("a.csv"));
        QCOMPARE(::records(file.table),
                 (QStringList{"1: 電話|商品", QStringLiteral("2: 03\uFF0D1234\uFF0D5678|靴下\uFF5E2足")}));
    }

    void brokenQuoting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("quote never closed names the line it opened on")
            << "a,b\n1,2\n\"3,4\n5,6\n"
            << "a.csv の 3 行目: 引用符 (\") が閉じられていません";
        QTest::newRow("text after a closing quote")
            << "a,b\n1,\"2\n2\"x,3\n"
            << "a.csv の 3 行目: 閉じた引用符 (\") の後に区切り文字がありません";
    }
    void brokenQuoting()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(errorOf([&] { parseDelimited(text, QStringLiteral("a.csv")); }), message);
    }

    // Nothing of a file that cannot be read reaches the caller: the error comes before any slip.
    void unreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << QByteArray() << "%1 の 1 行目: 見出しの行がありません";
        QTest::newRow("blank lines only")
            << QByteArray("\r\n \r\n") << "%1 の 1 行目: 見出しの行がありません";
        QTest::newRow("bad bytes after good rows")
            << sjis(QStringLiteral(
                   "お届け先名,お届け先郵便番号,お届け先住所,送り状種類\n山田,1050011,東京都,0\n")) +
                   "\x85\x40,1,2,0\n"
            << "%1 の 3 行目: 文字コードが UTF-8 でもシフトJIS (CP932) でもありません\n" + encodingHint();
    }
    void unreadableFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("注文.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        std::optional<OrderFile> file;
        QCOMPARE(errorOf([&] { file = readOrderFile(path); }), message.arg(path));
        QVERIFY(!file);
    }

    void missingFileIsNamed()
    {
        QCOMPARE(errorOf([] { readOrderFile(QStringLiteral("/nonexistent/注文.csv")); }),
                 QStringLiteral("/nonexistent/注文.csv を読めません: File not found"));
    }

    void writtenRecordsReadBack()
    {
        const QList<QStringList> written{{"a", "b,c", "d\"e"}, {"1\r\n2", "", " x "}, {"\t", "末尾"}};
        for (const QChar sep : {QChar(u','), QChar(u'\t')}) {
            const Table t = parseDelimited(writeDelimited(written, sep), QStringLiteral("a.csv"));
            QCOMPARE(t.separator, sep);
            QCOMPARE(t.rows.size(), 2);
            QCOMPARE(t.rows[0].cells, written[1]);
            QCOMPARE(t.rows[1].cells, written[2]);
        }
    }
};

QTEST_GUILESS_MAIN(TestOrderReading)
#include "test_orderreading.moc"
