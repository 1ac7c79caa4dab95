// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/jobhistory.h"
#include "platform/store/history.h"
#include "platform/store/historyqueue.h"

#include "rules/errors.h"
#include "support/privatepostgrestest.h"
#include "support/sampleslip.h"
#include "support/slipvaluestext.h"
#include "support/storeengines.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using rova::slip::SlipValues;
using rova::store::Destination;
using rova::store::History;
using rova::store::HistoryEntry;
using rova::store::HistoryQuery;
using rova::test::slipTo;

namespace
{
QDateTime at(int month, int day, int hour = 12, int minute = 0, int second = 0, int ms = 0)
{
    return QDateTime(QDate(2024, month, day), QTime(hour, minute, second, ms));
}

QStringList namesOf(const QList<HistoryEntry>& entries)
{
    QStringList names;
    for (const HistoryEntry& e : entries)
        names << e.slip.name;
    return names;
}

QStringList namesAndFirstLines(const QList<Destination>& destinations)
{
    QStringList shown;
    for (const Destination& d : destinations)
        shown << d.name + " / " + d.add1;
    return shown;
}
} // namespace

class TestHistory : public QObject
{
    Q_OBJECT
private:
    rova::test::StoreEngines m_engines;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<History> m_history;

    void record(const SlipValues& slip, const QDateTime& when)
    {
        HistoryEntry e;
        e.printedAt = when;
        e.slip = slip;
        m_history->record(e);
    }

    // Four slips a day apart; the fourth has a sender, whose fields are not searched.
    void recordSearchSlips()
    {
        record(slipTo("ヤマダ　タロウ", "０３－１２３４－５６７８", "100-0001", "東京都千代田区",
                      "千代田１－１"),
               at(5, 1));
        record(slipTo("山田花子", "06-6123-4567", "５３０－０００１", "大阪府大阪市北区", "梅田1-2-3",
                      "梅田ビル"),
               at(5, 2));
        record(slipTo("ｻﾄｳ ｲﾁﾛｳ", "0312345678", "0600001", "北海道札幌市中央区", "ＡＢＣマンション"),
               at(5, 3));
        SlipValues withSender =
            slipTo("メーカー株式会社", "092ー111ー2222", "810-0001", "福岡県福岡市中央区天神");
        withSender.myName = "スズキ";
        withSender.g1 = "りんごジュース";
        withSender.g3 = "ミカン";
        record(withSender, at(5, 4));
    }

private slots:
    void initTestCase_data() { rova::test::StoreEngines::addRows(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QFETCH_GLOBAL(bool, onServer);
        QString why;
        std::optional<rova::store::Location> store = m_engines.fresh(onServer, m_dir->path(), &why);
        if (!store)
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        store->station = "梱包2";
        m_history = std::make_unique<History>(*store);
    }
    void cleanup()
    {
        m_history.reset();
        m_dir.reset();
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QString yamada = "ヤマダ　タロウ", hanako = "山田花子", sato = "ｻﾄｳ ｲﾁﾛｳ",
                      maker = "メーカー株式会社";
        QTest::newRow("03-1234 finds full-width and unhyphenated numbers")
            << "03-1234" << QStringList{sato, yamada};
        QTest::newRow("full-width digits typed find half-width ones")
            << "０３１２" << QStringList{sato, yamada};
        QTest::newRow("ﾔﾏﾀﾞ finds ヤマダ") << "ﾔﾏﾀﾞ" << QStringList{yamada};
        QTest::newRow("サトウ finds ｻﾄｳ") << "サトウ" << QStringList{sato};
        QTest::newRow("hiragana finds katakana") << "やまだ" << QStringList{yamada};
        QTest::newRow("hiragana finds half-width kana") << "さとう　いちろう" << QStringList{sato};
        QTest::newRow("katakana finds hiragana") << "リンゴ" << QStringList{maker};
        QTest::newRow("item name on line 3") << "みかん" << QStringList{maker};
        QTest::newRow("no match across two item names") << "ジュースミカン" << QStringList{};
        QTest::newRow("a full-width blank in the name is no obstacle")
            << "ヤマダタロウ" << QStringList{yamada};
        QTest::newRow("a blank typed where the name has none") << "ｻﾄｳ　ｲﾁﾛｳ" << QStringList{sato};
        QTest::newRow("kanji of a name") << "山田" << QStringList{hanako};
        QTest::newRow("two half-width letters") << "ﾔﾏ" << QStringList{yamada};
        QTest::newRow("one half-width letter") << "ｻ" << QStringList{sato};
        QTest::newRow("quotation mark and asterisk are only letters") << "\"ﾔﾏﾀﾞ*" << QStringList{};
        QTest::newRow("postal code typed without hyphen") << "5300001" << QStringList{hanako};
        QTest::newRow("postal code typed in full width") << "１００－０００１" << QStringList{yamada};
        QTest::newRow("address lines ① and ② read as one") << "千代田区千代田1" << QStringList{yamada};
        QTest::newRow("address line ③") << "梅田ビル" << QStringList{hanako};
        QTest::newRow("letters of either width and case") << "abc" << QStringList{sato};
        QTest::newRow("long vowel mark between digits is a hyphen") << "092-111-2222" << QStringList{maker};
        QTest::newRow("long vowel mark in a word is kept") << "メカ" << QStringList{};
        QTest::newRow("the sender is not searched") << "スズキ" << QStringList{};
        QTest::newRow("no match across two fields") << "ﾀﾛｳ03" << QStringList{};
        QTest::newRow("nothing typed lists every slip newest first")
            << "" << QStringList{maker, sato, hanako, yamada};
        QTest::newRow("an unknown text finds nothing") << "存在しない" << QStringList{};
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        recordSearchSlips();
        QCOMPARE(namesOf(m_history->search({text, {}, {}, 100})), found);
    }

    void dateRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("found");
        const QDate d430(2024, 4, 30), d501(2024, 5, 1), d502(2024, 5, 2), d503(2024, 5, 3);
        QTest::newRow("one day, from its midnight to its last millisecond")
            << "" << d501 << d501 << QStringList{"記録３", "記録２"};
        QTest::newRow("both ends included")
            << "" << d501 << d502 << QStringList{"記録４", "記録３", "記録２"};
        QTest::newRow("open start") << "" << QDate() << d501 << QStringList{"記録３", "記録２", "記録１"};
        QTest::newRow("open end") << "" << d502 << QDate() << QStringList{"記録５", "記録４"};
        QTest::newRow("start after end finds nothing") << "" << d503 << d501 << QStringList{};
        QTest::newRow("text inside the range") << "記録1" << d430 << d503 << QStringList{"記録１"};
        QTest::newRow("text outside the range") << "記録1" << d501 << d503 << QStringList{};
    }
    void dateRange()
    {
        QFETCH(QString, text);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, found);
        record(slipTo("記録１", ""), at(4, 30, 23, 59, 59, 999));
        record(slipTo("記録２", ""), at(5, 1, 0, 0));
        record(slipTo("記録３", ""), at(5, 1, 12, 0));
        record(slipTo("記録４", ""), at(5, 2, 23, 59, 59, 999));
        record(slipTo("記録５", ""), at(5, 3, 0, 0));
        QCOMPARE(namesOf(m_history->search({text, from, to, 100})), found);
    }

    void limitKeepsTheNewest()
    {
        for (int day = 1; day <= 9; ++day)
            record(slipTo(QString("記録%1").arg(day), ""), at(6, day));
        QCOMPARE(namesOf(m_history->search({"", {}, {}, 3})), (QStringList{"記録9", "記録8", "記録7"}));
    }

    void everyValueComesBack()
    {
        HistoryEntry e;
        e.printedAt = at(7, 7, 9, 30, 15, 123);
        e.printer = "ラベル用 (2F)";
        e.topMargin = "-1.5";
        e.leftMargin = "2";
        e.slip = rova::test::sampleSlip();
        e.slip.order = {rova::slip::Marketplace::Amazon,
                        "503-0000002-0000002",
                        "送付先\"1\"",
                        {{"22222222222222", "1"}, {"33333333333333", "4"}}};
        e.trackingNumber = "444413758703";
        e.spoiled = true;
        e.station = "ほかの机"; // the store's own name is recorded, whatever the entry says
        e.id = m_history->record(e);
        const QList<HistoryEntry> found = m_history->search({});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].id, e.id);
        QCOMPARE(found[0].printedAt, e.printedAt);
        QCOMPARE(found[0].printer, e.printer);
        QCOMPARE(found[0].topMargin, e.topMargin);
        QCOMPARE(found[0].leftMargin, e.leftMargin);
        QCOMPARE(found[0].slip, e.slip);
        QCOMPARE(found[0].trackingNumber, e.trackingNumber);
        QVERIFY(found[0].spoiled);
        QVERIFY(found[0].notifiedAt.isNull());
        QCOMPARE(found[0].station, "梱包2");
    }

    // Only slips of marketplace orders go into notices, each once unless all are asked for.
    void noticesHoldMarketplaceSlipsNotYetNotified()
    {
        record(slipTo("窓口", ""), at(8, 1));
        SlipValues ordered = slipTo("注文1", "");
        ordered.order = {rova::slip::Marketplace::Yahoo, "shop-0001", {}, {}};
        record(ordered, at(8, 2));
        ordered.name = "注文2";
        ordered.order.orderNumber = "shop-0002";
        record(ordered, at(8, 3));
        QCOMPARE(namesOf(m_history->forNotices(false)), (QStringList{"注文1", "注文2"}));
        m_history->markNotified({m_history->forNotices(false).value(0).id}, at(8, 4));
        QCOMPARE(namesOf(m_history->forNotices(false)), QStringList{"注文2"});
        const QList<HistoryEntry> all = m_history->forNotices(true);
        QCOMPARE(namesOf(all), (QStringList{"注文1", "注文2"}));
        QCOMPARE(all[0].notifiedAt, at(8, 4));
        QCOMPARE(all[0].slip.order.orderNumber, "shop-0001");
    }

    void recordedWithoutTimeIsNow()
    {
        const QDateTime before = QDateTime::currentDateTime();
        record(slipTo("今", ""), QDateTime());
        const QDateTime printed = m_history->search({}).value(0).printedAt;
        QVERIFY2(printed >= before.addMSecs(-1) && printed <= QDateTime::currentDateTime(),
                 qPrintable(printed.toString(Qt::ISODateWithMs)));
    }

    void removeDeletesOnlyThoseRecords()
    {
        recordSearchSlips();
        const QList<HistoryEntry> all = m_history->search({});
        m_history->remove({all[1].id, all[3].id});
        QCOMPARE(namesOf(m_history->search({})), (QStringList{all[0].slip.name, all[2].slip.name}));
        QCOMPARE(m_history->recentDestinations("ヤマダ", 10), QList<Destination>{});
    }

    void completion_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("offered");
        const QString ichiroMoved = "佐藤一郎 / 神奈川県横浜市", ichiro = "佐藤一郎 / 東京都千代田区",
                      hanako = "佐藤花子 / 東京都港区", jiro = "ｻﾄｳ ｼﾞﾛｳ / 埼玉県川口市",
                      tanaka = "タナカ / 千葉県千葉市", suzuki = "鈴木三郎 / 東京都新宿区";
        QTest::newRow("name beginning, each destination once, most recent first")
            << "佐藤" << 10 << QStringList{ichiroMoved, ichiro, hanako};
        QTest::newRow("full-width kana typed, half-width name offered")
            << "サトウ" << 10 << QStringList{jiro};
        QTest::newRow("half-width kana typed, full-width name offered") << "ﾀﾅ" << 10 << QStringList{tanaka};
        QTest::newRow("telephone without hyphens matches one with them")
            << "0901111" << 10 << QStringList{ichiroMoved, suzuki, ichiro};
        QTest::newRow("half-width telephone typed, full-width one offered")
            << "080-5555" << 10 << QStringList{jiro};
        QTest::newRow("the middle of a name completes nothing") << "一郎" << 10 << QStringList{};
        QTest::newRow("nothing typed offers the most recent")
            << "" << 3 << QStringList{ichiroMoved, tanaka, suzuki};
        QTest::newRow("the limit keeps the most recent") << "佐藤" << 1 << QStringList{ichiroMoved};
    }
    void completion()
    {
        QFETCH(QString, prefix);
        QFETCH(int, limit);
        QFETCH(QStringList, offered);
        const SlipValues ichiro = slipTo("佐藤一郎", "090-1111-2222", "100-0001", "東京都千代田区");
        record(ichiro, at(3, 1));
        record(slipTo("佐藤花子", "090-3333-4444", "105-0001", "東京都港区"), at(3, 2));
        record(slipTo("ｻﾄｳ ｼﾞﾛｳ", "０８０－５５５５－６６６６", "332-0001", "埼玉県川口市"), at(3, 3));
        record(ichiro, at(3, 4));
        record(slipTo("鈴木三郎", "090-1111-9999", "160-0001", "東京都新宿区"), at(3, 5));
        record(slipTo("タナカ", "043-111-1111", "260-0001", "千葉県千葉市"), at(3, 6));
        record(slipTo("佐藤一郎", "090-1111-2222", "220-0001", "神奈川県横浜市"), at(3, 7));
        QCOMPARE(namesAndFirstLines(m_history->recentDestinations(prefix, limit)), offered);
    }

    void completionReachesPastTheLatestSlips()
    {
        record(slipTo("佐藤一郎", "090-1111-2222", "100-0001", "東京都千代田区"), at(1, 1));
        for (int i = 0; i < 2000; ++i)
            record(slipTo("鈴木三郎", "090-1111-9999", "160-0001", "東京都新宿区"), at(2, 1).addSecs(i));
        QCOMPARE(namesAndFirstLines(m_history->recentDestinations("佐藤", 5)),
                 QStringList{"佐藤一郎 / 東京都千代田区"});
        QCOMPARE(namesAndFirstLines(m_history->recentDestinations("090", 5)),
                 (QStringList{"鈴木三郎 / 東京都新宿区", "佐藤一郎 / 東京都千代田区"}));
    }

    void completionGivesEveryDestinationField()
    {
        SlipValues slip = rova::test::sampleSlip();
        record(slip, at(8, 1));
        const Destination expected{slip.zip, slip.add1, slip.add2, slip.add3, slip.name, slip.tel};
        QCOMPARE(m_history->recentDestinations("山田", 5), QList<Destination>{expected});
    }

private:
    // Three slips on the forms 4444-1375-8703 on, and one printed before a stack was registered.
    void recordNumbered()
    {
        const QStringList numbers{"444413758703", "444413758714", "444413758725", ""};
        const QStringList names{"一番", "二番", "三番", "番号なし"};
        for (int i = 0; i < numbers.size(); ++i) {
            HistoryEntry e;
            e.printedAt = at(3, 1, 9, i);
            e.slip = slipTo(names[i], "03-1111-2222", "100-0001", "東京都千代田区");
            e.trackingNumber = numbers[i];
            m_history->record(e);
        }
    }

    // What the history shows for a number: "name number" with a mark for a spoiled one.
    QStringList numbered(const QString& text)
    {
        QStringList shown;
        for (const HistoryEntry& e : m_history->search({.text = text}))
            shown << e.slip.name + " " + e.trackingNumber + (e.spoiled ? " 書き損じ" : "");
        return shown;
    }

private slots:
    void findByTrackingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("digits") << "444413758714" << QStringList{"二番 444413758714"};
        QTest::newRow("hyphens, full width")
            << "４４４４－１３７５－８７１４" << QStringList{"二番 444413758714"};
        QTest::newRow("scanned with start and stop letters")
            << "A444413758725D" << QStringList{"三番 444413758725"};
        QTest::newRow("a number on no slip") << "4444-1375-8736" << QStringList{};
        QTest::newRow("wrong check digit is a text search") << "444413758715" << QStringList{};
    }
    void findByTrackingNumber()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        recordNumbered();
        QCOMPARE(numbered(text), found);
    }

    void formCarryingANumber_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("found");
        QTest::newRow("one of a job's numbers given before")
            << QStringList{"444413758736", "444413758725", "444413758714"} << "二番 梱包2";
        QTest::newRow("none given") << QStringList{"444413758736", "444413758740"} << "";
        QTest::newRow("no numbers") << QStringList{} << "";
    }
    void formCarryingANumber()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QString, found);
        recordNumbered();
        const std::optional<HistoryEntry> given = m_history->carrying(numbers);
        QCOMPARE(given ? given->slip.name + " " + given->station : QString(), found);
    }

    // Slips printed while the server was away go to it in the order printed, each once: also the one
    // a move cut off after the server took it and before it left the queue, and two slips alike
    // of one job.
    void waitingSlipsReachTheHistoryOnce_data()
    {
        QTest::addColumn<bool>("firstTakenBefore");
        QTest::newRow("none taken before") << false;
        QTest::newRow("the first taken before a cut-off move") << true;
    }
    void waitingSlipsReachTheHistoryOnce()
    {
        QFETCH(bool, firstTakenBefore);
        rova::store::HistoryQueue queue(rova::store::Location(m_dir->path(), {}, "梱包2"));
        const QStringList names{"一番", "二番", "二番", "三番"};
        for (int i = 0; i < names.size(); ++i) {
            HistoryEntry e;
            e.printedAt = at(3, 1, 9, i < 3 ? 0 : 5); // the first three one job
            e.slip = slipTo(names[i], "03-1111-2222", "100-0001", "東京都千代田区");
            queue.waiting().record(e);
            if (i == 0 && firstTakenBefore)
                m_history->record(e);
        }
        QCOMPARE(queue.size(), 4);
        QCOMPARE(queue.moveTo(*m_history), 4);
        QCOMPARE(queue.size(), 0);
        QStringList recorded;
        for (const HistoryEntry& e : m_history->search({}))
            recorded.prepend(e.slip.name + " " + e.station);
        QCOMPARE(recorded, (QStringList{"一番 梱包2", "二番 梱包2", "二番 梱包2", "三番 梱包2"}));
    }

    // A job's records were cut off at its second slip, whose write may have reached the store before
    // the connection broke; recorded again, the job holds each slip once.
    void resumedJobRecordsTheCutOffSlipOnce_data()
    {
        QTest::addColumn<bool>("landed");
        QTest::newRow("the write was lost") << false;
        QTest::newRow("the write reached the store") << true;
    }
    void resumedJobRecordsTheCutOffSlipOnce()
    {
        QFETCH(bool, landed);
        rova::print::PrintedJob job;
        job.slips = {slipTo("一番", "03-1111-2222", "100-0001", "東京都千代田区"),
                     slipTo("二番", "03-1111-2222", "100-0001", "東京都千代田区")};
        job.acceptedAt = at(3, 1, 9, 0, 1, 234);
        job.numbers = {"444413758714", "444413758725"};
        const auto history = [this] { return m_history.get(); };
        rova::print::PrintedJob before = job;
        before.slips = job.slips.mid(0, landed ? 2 : 1);
        QCOMPARE(rova::print::recordJob(before, history).recorded, before.slips.size());

        const rova::print::JobRecord resumed = rova::print::recordJob(job, history, 1, true);
        QCOMPARE(resumed.recorded, 2);
        QCOMPARE(resumed.failure, QString());
        QCOMPARE(numbered("444413758725"), QStringList{"二番 444413758725"});
        QCOMPARE(m_history->size(), 2);
    }

    void renumberKeepsTheSpoiledNumber()
    {
        recordNumbered();
        const QList<HistoryEntry> all = m_history->search({});
        // The second and the unnumbered slip, in printing order, went onto the forms from 8740 on.
        m_history->renumber({all[2].id, all[0].id}, "444413758740");
        QCOMPARE(numbered("444413758714"), QStringList{"二番 444413758714 書き損じ"});
        QCOMPARE(numbered("444413758740"), QStringList{"二番 444413758740"});
        QCOMPARE(numbered("444413758751"), QStringList{"番号なし 444413758751"});
        QCOMPARE(m_history->search({}).size(), 5);
    }

    void renumberPastTheLastNumberChangesNothing()
    {
        recordNumbered();
        const QList<HistoryEntry> all = m_history->search({});
        QVERIFY_THROWS_EXCEPTION(rova::Error, m_history->renumber({all[1].id, all[2].id}, "999999999994"));
        QCOMPARE(numbered("444413758714"), QStringList{"二番 444413758714"});
    }

    // A reprint names the record it printed again, by time and name while it is there and by its
    // id once deleted; a new number for the reprint keeps the name.
    void reprintNamesTheRecordItPrintedAgain()
    {
        recordNumbered();
        const HistoryEntry original = m_history->search({.text = "二番"}).value(0);
        HistoryEntry reprint;
        reprint.printedAt = at(3, 2);
        reprint.slip = original.slip;
        reprint.trackingNumber = "444413758740";
        reprint.reprintOf.id = original.id;
        m_history->record(reprint);
        const auto shown = [this](const QString& number) {
            const rova::store::Original o = m_history->search({.text = number}).value(0).reprintOf;
            return QStringList{QString::number(o.id), o.printedAt.toString(Qt::ISODate), o.name};
        };
        const QStringList named{QString::number(original.id), "2024-03-01T09:01:00", "二番"};
        QCOMPARE(shown("444413758740"), named);
        QCOMPARE(shown("444413758714"), (QStringList{"0", "", ""}));
        m_history->renumber({m_history->search({.text = "444413758740"}).value(0).id}, "444413758751");
        QCOMPARE(shown("444413758751"), named);
        m_history->remove({original.id});
        QCOMPARE(shown("444413758751"), (QStringList{QString::number(original.id), "", ""}));
    }

    void markSpoiledLeavesSlipsWithoutNumber()
    {
        recordNumbered();
        const QList<HistoryEntry> all = m_history->search({});
        m_history->markSpoiled({all[0].id, all[1].id});
        QCOMPARE(numbered("444413758725"), QStringList{"三番 444413758725 書き損じ"});
        QCOMPARE(m_history->search({.text = "番号なし"}).value(0).spoiled, false);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
