// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/addressfeatures.h"
#include "rules/transfer/blanks.h"
#include "rules/transfer/numerictest.h"
#include "rules/transfer/prefecture.h"
#include "rules/transfer/zipphone.h"

#include <QTest>

using rova::transfer::ZipPhone;
Q_DECLARE_METATYPE(rova::transfer::ZipPhone)

class TestRecognisers : public QObject
{
    Q_OBJECT
private slots:
    void zipPhoneVerdict_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ZipPhone>("verdict");
        QTest::newRow("half-width postal code") << "123-4567" << ZipPhone::PostalCode;
        QTest::newRow("full-width postal code") << "１２３－４５６７" << ZipPhone::PostalCode;
        QTest::newRow("postal code with blanks around") << "  123-4567 " << ZipPhone::PostalCode;
        QTest::newRow("postal code without hyphen") << "1234567" << ZipPhone::PostalCode;
        QTest::newRow("full-width without hyphen") << "１２３４５６７" << ZipPhone::PostalCode;
        QTest::newRow("seven characters with a hyphen are neither") << "123-456" << ZipPhone::Neither;
        QTest::newRow("nine digits are neither") << "123456789" << ZipPhone::Neither;
        QTest::newRow("mobile") << "090-1234-5678" << ZipPhone::Phone;
        QTest::newRow("fixed line") << "03-1234-5678" << ZipPhone::Phone;
        QTest::newRow("ten digits") << "0312345678" << ZipPhone::Phone;
        QTest::newRow("full-width mobile") << "０９０－１２３４－５６７８" << ZipPhone::Phone;
        QTest::newRow("one other character is still a phone") << "03-1234-5678代" << ZipPhone::Phone;
        QTest::newRow("two other characters: parentheses") << "(03)1234-5678" << ZipPhone::Neither;
        QTest::newRow("two blanks inside") << "090 1234 5678" << ZipPhone::Neither;
        QTest::newRow("switchboard suffix") << "03-1234-5678(代)" << ZipPhone::Neither;
        QTest::newRow("fax label") << "FAX 03-1234-5678" << ZipPhone::Neither;
        QTest::newRow("nine characters too short for a phone") << "1234-5678" << ZipPhone::Neither;
        QTest::newRow("postal code with two characters after") << "123-4567東京" << ZipPhone::Neither;
        QTest::newRow("empty") << "" << ZipPhone::Neither;
    }
    void zipPhoneVerdict()
    {
        QFETCH(QString, text);
        QFETCH(ZipPhone, verdict);
        QCOMPARE(rova::transfer::zipPhoneVerdict(text), verdict);
    }

    void isPostalCodeAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<bool>("postal");
        QTest::newRow("whole text") << "123-4567" << 0 << true;
        QTest::newRow("full width") << "１２３－４５６７" << 0 << true;
        QTest::newRow("followed by a kanji") << "123-4567東京" << 0 << true;
        QTest::newRow("after a label") << "住所105-0011 港区" << 2 << true;
        QTest::newRow("seven digits") << "1234567 東京" << 0 << true;
        QTest::newRow("seven full-width digits after a label") << "住所１２３４５６７" << 2 << true;
        QTest::newRow("ten digits") << "0312345678" << 0 << false;
        QTest::newRow("followed by a digit") << "123-45678" << 0 << false;
        QTest::newRow("followed by a hyphen") << "090-1234-5678" << 0 << false;
        QTest::newRow("followed by a full-width hyphen") << "090-1234－5678" << 0 << false;
        QTest::newRow("hyphen in the wrong place") << "03-1234-5678" << 0 << false;
        QTest::newRow("too short") << "123-456" << 0 << false;
        QTest::newRow("position past the end") << "123-4567" << 1 << false;
    }
    void isPostalCodeAt()
    {
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(bool, postal);
        QCOMPARE(rova::transfer::isPostalCodeAt(text, pos), postal);
    }

    void isPrefecture_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("match");
        QTest::newRow("Tokyo") << "東京都" << true;
        QTest::newRow("first of the list") << "北海道" << true;
        QTest::newRow("last of the list") << "沖縄県" << true;
        QTest::newRow("four characters") << "鹿児島県" << true;
        QTest::newRow("blanks trimmed") << " 大阪府 " << true;
        QTest::newRow("followed by more text") << "東京都港区" << false;
        QTest::newRow("without suffix") << "東京" << false;
        QTest::newRow("part of a name") << "京都" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isPrefecture()
    {
        QFETCH(QString, text);
        QFETCH(bool, match);
        QCOMPARE(rova::transfer::isPrefecture(text), match);
    }

    void addressFeatures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("chars");
        QTest::addColumn<int>("features");
        QTest::newRow("short name holding a feature") << "中村" << 2 << 1;
        QTest::newRow("company starting with a feature") << "市川商事株式会社" << 8 << 1;
        QTest::newRow("company without a feature") << "株式会社山田商店" << 8 << 0;
        QTest::newRow("overlapping tokens count twice") << "中学校" << 3 << 2;
        QTest::newRow("address line") << "東京都港区芝公園1-2-3" << 13 << 7;
        QTest::newRow("digits alone") << "1234567" << 7 << 7;
        QTest::newRow("half-width katakana") << "ﾋﾞﾙ" << 3 << 1;
        QTest::newRow("full-width floor") << "山田ビル３Ｆ" << 6 << 3;
        QTest::newRow("block and lot") << "2丁目5番地" << 6 << 4;
        QTest::newRow("blanks trimmed before counting") << "  中村  " << 2 << 1;
    }
    void addressFeatures()
    {
        QFETCH(QString, text);
        QFETCH(int, chars);
        QFETCH(int, features);
        const auto count = rova::transfer::countAddressFeatures(text);
        QCOMPARE(count.chars, chars);
        QCOMPARE(count.features, features);
    }

    void trimZen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("ideographic spaces") << "　山田　"
                                            << "山田";
        QTest::newRow("half-width blanks") << "  山田  "
                                           << "山田";
        QTest::newRow("mixed blanks and tabs") << " \t　山田 \t　"
                                               << "山田";
        QTest::newRow("inner blanks stay") << "山田　太郎"
                                           << "山田　太郎";
        QTest::newRow("blanks only") << "　 　"
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void trimZen()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(rova::transfer::trimZen(text), trimmed);
    }

    void numericTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<bool>("passes");
        QTest::newRow("postal code") << "123-4567"
                                     << "123" << true;
        QTest::newRow("postal code with zeros inside") << "100-0001"
                                                       << "100" << true;
        QTest::newRow("mobile loses its leading zero") << "090-1234-5678"
                                                       << "90" << false;
        QTest::newRow("postal code with a leading zero") << "060-0001"
                                                         << "60" << false;
        QTest::newRow("ten digits are too many") << "0312345678"
                                                 << "" << false;
        QTest::newRow("no leading digit") << "東京都港区1-2-3"
                                          << "" << false;
        QTest::newRow("full-width postal code and address") << "１２３－４５６７　東京都"
                                                            << "123" << true;
        QTest::newRow("full-width with a leading zero") << "０６０－０００１　北海道"
                                                        << "60" << false;
        QTest::newRow("commas skipped") << "1,234円"
                                        << "1234" << true;
        QTest::newRow("leading minus belongs to the run") << "-12"
                                                          << "-12" << true;
        QTest::newRow("decimals belong to the run") << "1.5"
                                                    << "1.5" << true;
        QTest::newRow("seven digits") << "1234567"
                                      << "1234567" << true;
        QTest::newRow("mixed widths read up to the first other character") << "12３，４５６．７８９0円 東京"
                                                                           << "123456.789" << true;
        QTest::newRow("katakana ends the reading") << "12ｱ3"
                                                   << "12" << false;
    }
    void numericTest()
    {
        QFETCH(QString, text);
        QFETCH(QString, reading);
        QFETCH(bool, passes);
        QCOMPARE(rova::transfer::numericReading(text), reading);
        QCOMPARE(rova::transfer::passesNumericTest(text), passes);
    }
};

QTEST_GUILESS_MAIN(TestRecognisers)
#include "test_recognisers.moc"
