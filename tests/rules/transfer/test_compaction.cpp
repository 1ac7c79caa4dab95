// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/compaction.h"
#include "rules/transfer/countword.h"
#include "rules/transfer/mailmarkers.h"

#include <QTest>

using L = QStringList;

class TestCompaction : public QObject
{
    Q_OBJECT
private slots:
    void countWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("count");
        QTest::newRow("empty text counts nothing") << ""
                                                   << "a" << 0;
        QTest::newRow("empty word counts nothing") << "abc"
                                                   << "" << 0;
        QTest::newRow("matches do not overlap") << "aaaa"
                                                << "aa" << 2;
        QTest::newRow("odd run leaves the last one over") << "aaa"
                                                          << "aa" << 1;
        QTest::newRow("case-sensitive") << "Tel tel TEL"
                                        << "tel" << 1;
        QTest::newRow("trail byte equal to a letter is no match") << "ア"
                                                                  << "A" << 0;
        QTest::newRow("trail byte backslash is no match") << "表ソ"
                                                          << "\\" << 0;
        QTest::newRow("word across a character boundary is no match") << "＜A"
                                                                      << "ア" << 0;
        QTest::newRow("double-byte word found whole") << "＜Aア"
                                                      << "ア" << 1;
        QTest::newRow("full-width hyphen") << "０３－１２３４－５６７８"
                                           << "－" << 2;
        QTest::newRow("word longer than the text") << "市"
                                                   << "市役所" << 0;
        QTest::newRow("half-width katakana word") << "ｺｰﾎﾟ山田ｺｰﾎﾟ"
                                                  << "ｺｰﾎﾟ" << 2;
    }
    void countWord()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(int, count);
        QCOMPARE(rova::transfer::countWord(text, word), count);
    }

    void wordCounterSumsEachWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("overlapping tokens") << "中学校の中学";
        QTest::newRow("runs of one letter") << "aaaaa";
        QTest::newRow("mixed widths") << "ﾋﾞﾙビル1１-－";
    }
    void wordCounterSumsEachWord()
    {
        QFETCH(QString, text);
        const L words{"中学", "中学校", "aa", "a", "ビル", "ﾋﾞﾙ", "1", "１", "-", "－"};
        int sum = 0;
        for (const QString& w : words)
            sum += rova::transfer::countWord(text, w);
        QCOMPARE(rova::transfer::WordCounter(words).total(text), sum);
    }

    void mailMarkerCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("mail address: @ and .jp") << "taro@example.jp" << 2;
        QTest::newRow(".co.jp counts .co and .jp") << "www.example.co.jp" << 2;
        QTest::newRow(".com counts .com and .co") << "example.com" << 2;
        QTest::newRow(".net counts .net and .ne") << "example.net" << 2;
        QTest::newRow(".ne.jp") << "abc.ne.jp" << 2;
        QTest::newRow(".org") << "example.org" << 1;
        QTest::newRow("a lone @") << "山田@本社" << 1;
        QTest::newRow("full-width @ is no marker") << "ｔａｒｏ＠ｅｘａｍｐｌｅ" << 0;
        QTest::newRow("full-width .jp is no marker") << "ｅｘａｍｐｌｅ．ｊｐ" << 0;
        QTest::newRow("capital .COM is no marker") << "EXAMPLE.COM" << 0;
        QTest::newRow("address line") << "東京都港区芝公園1-2-3" << 0;
    }
    void mailMarkerCount()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(rova::transfer::mailMarkerCount(text), count);
    }

    void compact_data()
    {
        QTest::addColumn<L>("pane");
        QTest::addColumn<L>("compacted");
        QTest::newRow("blank lines vanish, the rest moves up in order")
            << L{"〒123-4567", "", "東京都港区", "", "", "山田太郎"}
            << L{"〒123-4567", "東京都港区", "山田太郎"};
        QTest::newRow("lines trimmed of blanks and control characters")
            << L{"  山田太郎\t", "\r03-1234-5678\r"} << L{"山田太郎", "03-1234-5678"};
        QTest::newRow("ideographic spaces inside a kept line stay")
            << L{"　山田　太郎　"} << L{"　山田　太郎　"};
        QTest::newRow("mail address line dropped")
            << L{"山田太郎", "taro@example.jp", "03-1234-5678"} << L{"山田太郎", "03-1234-5678"};
        QTest::newRow("web address line dropped")
            << L{"https://www.example.co.jp/", "山田太郎"} << L{"山田太郎"};
        QTest::newRow("full-width and capital markers kept")
            << L{"ｔａｒｏ＠ｅｘａｍｐｌｅ．ｊｐ", "EXAMPLE.COM"}
            << L{"ｔａｒｏ＠ｅｘａｍｐｌｅ．ｊｐ", "EXAMPLE.COM"};
        QTest::newRow("line of ideographic spaces is blank")
            << L{"〒123-4567", "　　　", "山田太郎"} << L{"〒123-4567", "山田太郎"};
        QTest::newRow("line of mixed-width blanks and tabs is blank")
            << L{"　 \t　", "山田太郎"} << L{"山田太郎"};
        QTest::newRow("mail addresses and blanks only leave nothing")
            << L{"", "taro@example.jp", "   ", "http://example.com"} << L{};
        QTest::newRow("line breaks only leave nothing") << L{"", "", ""} << L{};
        QTest::newRow("empty pane") << L{} << L{};
        const QString longLine = QString(300, QChar(u'東'));
        QTest::newRow("a long line stays one line") << L{longLine} << L{longLine};

        L twenty;
        for (int i = 1; i <= 20; ++i)
            twenty << QStringLiteral("行%1").arg(i);
        QTest::newRow("lines after the sixteenth dropped") << twenty << twenty.first(16);
        L lateOnly(16);
        lateOnly << "山田太郎"
                 << "03-1234-5678";
        QTest::newRow("text only after line 16 leaves nothing") << lateOnly << L{};
    }
    void compact()
    {
        QFETCH(L, pane);
        QFETCH(L, compacted);
        QCOMPARE(rova::transfer::compact(pane), compacted);
    }
};

QTEST_GUILESS_MAIN(TestCompaction)
#include "test_compaction.moc"
