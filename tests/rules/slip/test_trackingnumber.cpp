// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"
#include "rules/slip/trackingnumber.h"

#include <QTest>

using namespace rova;

class TestTrackingNumber : public QObject
{
    Q_OBJECT
private slots:
    void valid_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "444413758703"
                               << "444413758703";
        QTest::newRow("hyphens") << "4444-1375-8703"
                                 << "444413758703";
        QTest::newRow("full width") << "４４４４－１３７５－８７０３"
                                    << "444413758703";
        QTest::newRow("blanks of both widths") << " 4444 1375\u30008703 "
                                               << "444413758703";
        QTest::newRow("long vowel mark as hyphen") << "4444ー1375ー8703"
                                                   << "444413758703";
        QTest::newRow("check digit 0") << "000000000070"
                                       << "000000000070";
        QTest::newRow("check digit 6") << "0000-0000-0136"
                                       << "000000000136";
        QTest::newRow("last of 11 digits") << "999999999994"
                                           << "999999999994";
    }
    void valid()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(tracking::parse(typed), stored);
        QCOMPARE(tracking::recognise(typed), stored);
    }

    void invalid_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong check digit")
            << "4444-1375-8704"
            << "伝票番号「4444-1375-8704」のチェック数字 (最後の桁) が違います: 4 ではなく 3 のはずです";
        QTest::newRow("check digit 7 never valid") << "４４４４１３７５８７０７"
                                                   << "伝票番号「４４４４１３７５８７０７」のチェック数字 "
                                                      "(最後の桁) が違います: 7 ではなく 3 のはずです";
        QTest::newRow("eleven digits") << "44441375870"
                                       << "伝票番号は12桁です (「44441375870」は 11 桁)";
        QTest::newRow("thirteen digits") << "4444137587031"
                                         << "伝票番号は12桁です (「4444137587031」は 13 桁)";
        QTest::newRow("empty") << ""
                               << "伝票番号は12桁です (「」は 0 桁)";
        QTest::newRow("letter") << "4444-1375-870O"
                                << "伝票番号「4444-1375-870O」には数字とハイフンのほかの文字があります";
    }
    void invalid()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        try {
            tracking::parse(typed);
            QFAIL("no error raised");
        } catch (const Error& e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(tracking::recognise(typed), std::nullopt);
    }

    void next_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("following");
        QTest::newRow("up by one") << "444413758703"
                                   << "444413758714";
        QTest::newRow("check digit wraps from 6 to 0") << "444413758736"
                                                       << "444413758740";
        QTest::newRow("carry into the next digits") << "000099999992"
                                                    << "000100000003";
        QTest::newRow("to the last number") << "999999999983"
                                            << "999999999994";
    }
    void next()
    {
        QFETCH(QString, number);
        QFETCH(QString, following);
        QCOMPARE(tracking::next(number), following);
        QCOMPARE(tracking::parse(following), following);
    }

    void nextPastTheLastIsRefused()
    {
        try {
            tracking::next(QStringLiteral("999999999994"));
            QFAIL("no error raised");
        } catch (const Error& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("伝票番号 9999-9999-9994 の次の番号はありません (11桁を超えます)"));
        }
    }

    void scanned_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("start and stop letters") << "A444413758703A"
                                                << "444413758703";
        QTest::newRow("other letters, lower case") << "d444413758703b"
                                                   << "444413758703";
        QTest::newRow("full-width letters") << "Ｃ444413758703Ｄ"
                                            << "444413758703";
        QTest::newRow("typed with hyphens") << "4444-1375-8703"
                                            << "444413758703";
        QTest::newRow("letter outside A to D") << "E444413758703E"
                                               << "";
        QTest::newRow("only one frame letter") << "A444413758703"
                                               << "";
        QTest::newRow("framed but wrong check digit") << "A444413758704A"
                                                      << "";
        QTest::newRow("a name") << "山田"
                                << "";
    }
    void scanned()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QCOMPARE(tracking::recognise(text).value_or(QString()), number);
    }

    void display()
    {
        QCOMPARE(tracking::display(QStringLiteral("444413758703")), QStringLiteral("4444-1375-8703"));
    }
};

QTEST_GUILESS_MAIN(TestTrackingNumber)
#include "test_trackingnumber.moc"
