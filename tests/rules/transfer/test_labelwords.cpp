// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/labelwords.h"
#include "rules/transfer/normalise.h"

#include <QTest>

class TestLabelWords : public QObject
{
    Q_OBJECT
private slots:
    void removeLabelWords_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("postal mark") << "〒123-4567"
                                     << "123-4567";
        QTest::newRow("postal code label and mark") << "郵便番号：〒123-4567"
                                                    << "123-4567";
        QTest::newRow("honorific, trailing blank stays") << "山田太郎 様"
                                                         << "山田太郎 ";
        QTest::newRow("TEL and the blank after it") << "TEL 03-1234-5678"
                                                    << "03-1234-5678";
        QTest::newRow("Tel with a colon") << "Tel: 03-1234-5678"
                                          << "03-1234-5678";
        QTest::newRow("tel with a full-width colon") << "tel：03-1234-5678"
                                                     << "03-1234-5678";
        QTest::newRow("TEL right before the number") << "TEL03-1234-5678"
                                                     << "03-1234-5678";
        QTest::newRow("full-width Tel") << "Ｔｅｌ 03-1234-5678"
                                        << "03-1234-5678";
        QTest::newRow("telephone sign") << "℡03-1234-5678"
                                        << "03-1234-5678";
        QTest::newRow("phone number label") << "お電話番号：090-1234-5678"
                                            << "090-1234-5678";
        QTest::newRow("phone label in hiragana") << "でんわ 03-1234-5678"
                                                 << "03-1234-5678";
        QTest::newRow("name label") << "お名前：山田太郎"
                                    << "山田太郎";
        QTest::newRow("full name label") << "氏名 山田太郎"
                                         << "山田太郎";
        QTest::newRow("address label") << "ご住所：東京都港区芝公園1-2-3"
                                       << "東京都港区芝公園1-2-3";
        QTest::newRow("delivery label") << "お届け先：東京都港区"
                                        << "東京都港区";
        QTest::newRow("sending label") << "ご送付先 東京都港区"
                                       << "東京都港区";
        QTest::newRow("numbered label before a floor") << "住所2：3階"
                                                       << "3階";
        QTest::newRow("numbered label before a block number") << "住所1：1-2-3"
                                                              << "1-2-3";
        QTest::newRow("numbered full-width label before a postal code digit") << "住所１：１０５－００１１"
                                                                              << "１０５－００１１";
        QTest::newRow("label whose digit would begin the postal code keeps it")
            << "住所：〒105-0011 東京都港区芝公園"
            << "105-0011 東京都港区芝公園";
        QTest::newRow("kana label whose digit would begin the postal code keeps it") << "おところ：〒160-0023"
                                                                                     << "160-0023";
        QTest::newRow("postal code starting with 2 after the label") << "住所：〒203-0001"
                                                                     << "203-0001";
        QTest::newRow("numbered kana label before a postal code") << "おところ1：〒123-4567"
                                                                  << "123-4567";
        QTest::newRow("label digit before a phone number is a label") << "住所103-1234-5678"
                                                                      << "03-1234-5678";
        QTest::newRow("HOTEL keeps its letters") << "HOTEL NEW 1F"
                                                 << "HOTEL NEW 1F";
        QTest::newRow("Hotel keeps its letters") << "Hotel Sun"
                                                 << "Hotel Sun";
        QTest::newRow("full-width HOTEL keeps its letters") << "ＨＯＴＥＬ"
                                                            << "ＨＯＴＥＬ";
        QTest::newRow("TEL after a slash is a label") << "FAX/TEL 03-1234-5678"
                                                      << "FAX/ 03-1234-5678";
        // The longer words stand before the shorter ones they contain: removed whole, nothing left over.
        QTest::newRow("postal code label in hiragana") << "ゆうびんばんごう 123-4567"
                                                       << "123-4567";
        QTest::newRow("telephone sign with number") << "℡番号：03-1234-5678"
                                                    << "03-1234-5678";
        QTest::newRow("full-width lower-case tel") << "ｔｅｌ 03-1234-5678"
                                                   << "03-1234-5678";
        QTest::newRow("polite phone label in hiragana") << "おでんわ：03-1234-5678"
                                                        << "03-1234-5678";
        QTest::newRow("name label in hiragana") << "おなまえ 山田太郎"
                                                << "山田太郎";
        QTest::newRow("formal name label") << "御名前：山田太郎"
                                           << "山田太郎";
        QTest::newRow("formal full name label") << "御氏名：山田太郎"
                                                << "山田太郎";
        QTest::newRow("polite full name label") << "ご氏名 山田太郎"
                                                << "山田太郎";
        QTest::newRow("kana address label 1 full-width") << "おところ１：東京都港区"
                                                         << "東京都港区";
        QTest::newRow("kana address label 2 full-width") << "おところ２：芝公園ビル"
                                                         << "芝公園ビル";
        QTest::newRow("kana address label 2") << "おところ2：芝公園ビル"
                                              << "芝公園ビル";
        QTest::newRow("address label 2 full-width") << "住所２：芝公園ビル"
                                                    << "芝公園ビル";
        QTest::newRow("polite sending label") << "お送り先：東京都港区"
                                              << "東京都港区";
        QTest::newRow("sending label without prefix") << "送り先：東京都港区"
                                                      << "東京都港区";
        QTest::newRow("every occurrence removed") << "様様山田様"
                                                  << "山田";
        QTest::newRow("no label") << "東京都港区芝公園1-2-3"
                                  << "東京都港区芝公園1-2-3";
    }
    void removeLabelWords()
    {
        QFETCH(QString, line);
        QFETCH(QString, cleaned);
        QCOMPARE(rova::transfer::removeLabelWords(line), cleaned);
    }

    void normaliseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("full-width postal code and address mapped to half-width")
            << "１２３－４５６７　東京都港区"
            << "123-4567 東京都港区";
        QTest::newRow("full-width postal code alone") << "１２３－４５６７"
                                                      << "123-4567";
        QTest::newRow("full-width postal code after its mark") << "〒１２３－４５６７"
                                                               << "123-4567";
        QTest::newRow("leading zero keeps the line full-width")
            << "０６０－０００１　北海道札幌市中央区北一条西2丁目"
            << "０６０－０００１　北海道札幌市中央区北一条西2丁目";
        QTest::newRow("full-width phone stays full-width") << "TEL ０３－１２３４－５６７８"
                                                           << "０３－１２３４－５６７８";
        QTest::newRow("honorific and trailing blank gone") << "山田太郎 様"
                                                           << "山田太郎";
        QTest::newRow("short name") << "中村様"
                                    << "中村";
        QTest::newRow("katakana name stays full-width") << "ヤマダタロウ"
                                                        << "ヤマダタロウ";
        QTest::newRow("ideographic spaces trimmed") << "　山田太郎　"
                                                    << "山田太郎";
        QTest::newRow("label only leaves nothing") << "お名前：　"
                                                   << "";
        QTest::newRow("full-width digits without hyphen") << "１２３４５６７"
                                                          << "1234567";
    }
    void normaliseLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, normalised);
        QCOMPARE(rova::transfer::normaliseLine(line), normalised);
    }
};

QTEST_GUILESS_MAIN(TestLabelWords)
#include "test_labelwords.moc"
