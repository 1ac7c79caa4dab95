// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/batchlist.h"

#include "platform/store/database.h"
#include "support/privatepostgrestest.h"
#include "support/sampleslip.h"
#include "support/slipvaluestext.h"
#include "support/storeengines.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using rova::slip::SlipValues;
using rova::store::BatchDuplicate;
using rova::store::BatchList;
using rova::store::BatchMark;
using rova::store::BatchRow;
using rova::store::BatchStatus;
using rova::test::slipTo;
Q_DECLARE_METATYPE(BatchStatus)

namespace
{
BatchRow row(const SlipValues& slip, const QString& orderNumber = {})
{
    BatchRow r;
    r.slip = slip;
    r.orderNumber = orderNumber;
    return r;
}

BatchRow parcel(const QString& name, const QString& item, const QString& orderNumber = {},
                const QString& source = {})
{
    SlipValues s = slipTo(name, "03-1234-5678", "100-0001", "東京都千代田区", "千代田1-1");
    s.g1 = item;
    BatchRow r = row(s, orderNumber);
    r.orderSource = source;
    return r;
}

QStringList namesOf(const QList<BatchRow>& rows)
{
    QStringList names;
    for (const BatchRow& r : rows)
        names << r.slip.name;
    return names;
}

const QDateTime firstTime(QDate(2024, 5, 1), QTime(10, 0));
const QDateTime secondTime(QDate(2024, 5, 1), QTime(10, 5));
} // namespace

class TestBatchList : public QObject
{
    Q_OBJECT
private:
    rova::test::StoreEngines m_engines;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<rova::store::Location> m_store;
    std::unique_ptr<BatchList> m_list;

    // Another connection that makes the database refuse to insert a row with this name, as a full
    // disk would.
    void refuseInsertOf(const QString& name)
    {
        rova::store::Database db(*m_store);
        if (db.engine() == rova::store::Engine::SQLite) {
            db.exec(QString("CREATE TRIGGER refuse BEFORE INSERT ON batch_rows WHEN NEW.name = '%1'"
                            " BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")
                        .arg(name));
            return;
        }
        db.exec(QString("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
                        " IF NEW.name = '%1' THEN RAISE EXCEPTION 'refused by the test'; END IF;"
                        " RETURN NEW; END $$")
                    .arg(name));
        db.exec("CREATE TRIGGER refuse BEFORE INSERT ON batch_rows FOR EACH ROW EXECUTE FUNCTION refuse()");
    }

private slots:
    void initTestCase_data() { rova::test::StoreEngines::addRows(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QFETCH_GLOBAL(bool, onServer);
        QString why;
        m_store = m_engines.fresh(onServer, m_dir->path(), &why);
        if (!m_store)
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        m_list = std::make_unique<BatchList>(*m_store);
    }
    void cleanup()
    {
        m_list.reset();
        m_dir.reset();
    }

    void everyValueComesBackInListOrder()
    {
        BatchRow full;
        full.ticked = false;
        full.status = BatchStatus::Refused;
        full.statusTime = QDateTime(QDate(2024, 5, 1), QTime(9, 15, 30, 250));
        full.refusal = "プリンタが停止しています";
        full.slip = rova::test::sampleSlip();
        full.slip.order = {rova::slip::Marketplace::Rakuten, "shop-20240501-0001", "1", {{"17", "2"}}};
        full.marks = {{"zip", "郵便番号が 3 桁-4 桁ではありません"}, {"add1", "住所①が 40 バイトを超えます"}};
        full.orderNumber = "shop-20240501-0001";
        full.orderSource = "rakuten";
        full.sourceFile = "/home/shop/注文/rakuten.csv";
        const QList<BatchRow> added{parcel("一番", "りんご"), full, parcel("三番", "なし")};
        const QList<qint64> ids = m_list->add(added);
        QCOMPARE(ids.size(), 3);
        QVERIFY(ids[0] < ids[1] && ids[1] < ids[2]);

        const QList<BatchRow> rows = m_list->rows();
        QCOMPARE(namesOf(rows), (QStringList{"一番", full.slip.name, "三番"}));
        const BatchRow& back = rows[1];
        QCOMPARE(back.id, ids[1]);
        QCOMPARE(back.ticked, false);
        QCOMPARE(back.status, BatchStatus::Refused);
        QCOMPARE(back.statusTime, full.statusTime);
        QCOMPARE(back.refusal, full.refusal);
        QCOMPARE(back.slip, full.slip);
        QCOMPARE(back.marks, full.marks);
        QCOMPARE(back.orderNumber, full.orderNumber);
        QCOMPARE(back.orderSource, full.orderSource);
        QCOMPARE(back.sourceFile, full.sourceFile);
        QCOMPARE(rows[0].marks, QList<BatchMark>{});
        QVERIFY(!rows[0].statusTime.isValid());
    }

    void addIsAllOrNothing()
    {
        m_list->add({parcel("既存", "りんご")});
        refuseInsertOf("三番");
        const qint64 revision = m_list->revision();
        try {
            m_list->add({parcel("一番", "りんご"), parcel("二番", "みかん"), parcel("三番", "なし")});
            QFAIL("the refused row raised no error");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), QString("データベース %1 に書き込めません: refused by the test")
                                      .arg(rova::store::Database(*m_store).name()));
        }
        QCOMPARE(namesOf(m_list->rows()), QStringList{"既存"});
        QCOMPARE(m_list->revision(), revision);
        m_list->add({parcel("四番", "ぶどう")});
        QCOMPARE(namesOf(m_list->rows()), (QStringList{"既存", "四番"}));
    }

    void duplicates_data()
    {
        QTest::addColumn<QList<BatchRow>>("incoming");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("same number, marketplace unknown, other destination")
            << QList<BatchRow>{parcel("別人", "ぶどう", "A-1")} << QStringList{"0 order of list row 1"};
        QTest::newRow("order number with blanks around it")
            << QList<BatchRow>{parcel("別人", "ぶどう", " A-1 ")} << QStringList{"0 order of list row 1"};
        QTest::newRow("same destination and items, no order number")
            << QList<BatchRow>{parcel("山田太郎", "りんご")} << QStringList{"0 parcel of list row 1"};
        SlipValues fullWidth =
            slipTo("山田　太郎", "０３１２３４５６７８", "1000001", "東京都千代田区千代田", "１－１");
        fullWidth.g1 = "りんご";
        QTest::newRow("same parcel typed in the other width")
            << QList<BatchRow>{row(fullWidth)} << QStringList{"0 parcel of list row 1"};
        QTest::newRow("repeat order: same parcel under a new number")
            << QList<BatchRow>{parcel("山田太郎", "りんご", "A-2", "rakuten"), row(fullWidth, "B-9")}
            << QStringList{};
        QTest::newRow("same number in another marketplace")
            << QList<BatchRow>{parcel("山田太郎", "りんご", "A-1", "amazon")} << QStringList{};
        QTest::newRow("same number, same marketplace")
            << QList<BatchRow>{parcel("別人", "ぶどう", "A-1", "rakuten")}
            << QStringList{"0 order of list row 1"};
        QTest::newRow("same destination, other items")
            << QList<BatchRow>{parcel("山田太郎", "みかん")} << QStringList{};
        QTest::newRow("a printed row still counts")
            << QList<BatchRow>{parcel("印刷済", "桃")} << QStringList{"0 parcel of list row 2"};
        QTest::newRow("a numbered row repeats a parcel without a number")
            << QList<BatchRow>{parcel("印刷済", "桃", "Z-1", "yahoo")}
            << QStringList{"0 parcel of list row 2"};
        QTest::newRow("one order to two destinations; a parcel repeated without a number")
            << QList<BatchRow>{parcel("新規", "柿", "C-1"), parcel("新規二", "梨", "C-1"),
                               parcel("新規", "柿"), parcel("新規", "柿")}
            << QStringList{"2 parcel of incoming", "3 parcel of incoming"};
        QTest::newRow("empty rows repeat nothing")
            << QList<BatchRow>{BatchRow{}, BatchRow{}} << QStringList{};
        QTest::newRow("nothing new") << QList<BatchRow>{parcel("新規", "柿", "C-1")} << QStringList{};
    }
    void duplicates()
    {
        QFETCH(QList<BatchRow>, incoming);
        QFETCH(QStringList, found);
        const QList<qint64> ids =
            m_list->add({parcel("山田太郎", "りんご", "A-1", "rakuten"), parcel("印刷済", "桃")});
        m_list->markPrinted({ids[1]}, firstTime);
        QStringList shown;
        for (const BatchDuplicate& d : m_list->duplicates(incoming)) {
            const QString of = d.rowId ? QString("list row %1").arg(ids.indexOf(d.rowId) + 1) : "incoming";
            const QString why = d.reason == BatchDuplicate::Reason::OrderNumber ? "order" : "parcel";
            shown << QString("%1 %2 of %3").arg(d.index).arg(why, of);
        }
        QCOMPARE(shown, found);
    }

    void statusTransitions_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<BatchStatus>("status");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QDateTime>("time");
        QTest::newRow("printed") << QStringList{"printed"} << BatchStatus::Printed << "" << firstTime;
        QTest::newRow("refused") << QStringList{"refused"} << BatchStatus::Refused << "用紙切れ" << firstTime;
        QTest::newRow("refused, then printed: the reason goes")
            << QStringList{"refused", "printed"} << BatchStatus::Printed << "" << secondTime;
        QTest::newRow("printed, then corrected: new again")
            << QStringList{"printed", "corrected"} << BatchStatus::New << "" << QDateTime();
        QTest::newRow("refused, then corrected: new again")
            << QStringList{"refused", "corrected"} << BatchStatus::New << "" << QDateTime();
    }
    void statusTransitions()
    {
        QFETCH(QStringList, steps);
        QFETCH(BatchStatus, status);
        QFETCH(QString, refusal);
        QFETCH(QDateTime, time);
        const QList<qint64> ids = m_list->add({parcel("対象", "りんご"), parcel("隣", "みかん")});
        QDateTime when = firstTime;
        for (const QString& step : steps) {
            if (step == "printed")
                m_list->markPrinted({ids[0]}, when);
            else if (step == "refused")
                m_list->markRefused({ids[0]}, "用紙切れ", when);
            else
                m_list->updateSlip(ids[0], parcel("対象", "りんご").slip, {});
            when = secondTime;
        }
        const QList<BatchRow> rows = m_list->rows();
        QCOMPARE(rows[0].status, status);
        QCOMPARE(rows[0].refusal, refusal);
        QCOMPARE(rows[0].statusTime, time);
        QCOMPARE(rows[1].status, BatchStatus::New);
    }

    void correctionReplacesSlipAndMarks()
    {
        BatchRow marked = parcel("", "りんご");
        marked.marks = {{"name", "名前が空です"}};
        const QList<qint64> ids = m_list->add({marked, parcel("隣", "みかん")});
        const SlipValues corrected = rova::test::sampleSlip();
        const QList<BatchMark> marks{{"date", "お届け日が過ぎています"}};
        m_list->updateSlip(ids[0], corrected, marks);
        const QList<BatchRow> rows = m_list->rows();
        QCOMPARE(rows[0].slip, corrected);
        QCOMPARE(rows[0].marks, marks);
        QCOMPARE(rows[1].slip, parcel("隣", "みかん").slip);
        // The corrected row is found by its new destination and items.
        QCOMPARE(m_list->duplicates({row(corrected)}).size(), 1);
    }

    void correctingADeletedRowIsRefused()
    {
        const QList<qint64> ids = m_list->add({parcel("消す", "りんご")});
        m_list->remove(ids);
        try {
            m_list->updateSlip(ids[0], parcel("戻す", "りんご").slip, {});
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), QString("この行は一覧から削除されています"));
        }
        QCOMPARE(m_list->rows().size(), 0);
    }

    void ticksAndSlipTypeOfTickedRows()
    {
        const QList<qint64> ids = m_list->add(
            {parcel("一", "a"), parcel("二", "b"), parcel("三", "c"), parcel("四", "d"), parcel("五", "e")});
        m_list->setTicked({ids[1], ids[3]}, false);
        m_list->setTicked({ids[3]}, true);
        m_list->markPrinted({ids[4]}, firstTime);
        QCOMPARE(m_list->setSlipTypeOfTicked("コレクト"), 3);
        QStringList shown;
        for (const BatchRow& r : m_list->rows())
            shown << QString("%1 %2 %3").arg(r.slip.name, r.ticked ? "ticked" : "unticked", r.slip.slipType);
        QCOMPARE(shown, (QStringList{"一 ticked コレクト", "二 unticked ", "三 ticked コレクト",
                                     "四 ticked コレクト", "五 ticked "}));
    }

    void removeDeletesOnlyThoseRowsAndIdsAreNotReused()
    {
        const QList<qint64> ids = m_list->add({parcel("一", "a"), parcel("二", "b"), parcel("三", "c")});
        m_list->remove({ids[0], ids[2]});
        QCOMPARE(namesOf(m_list->rows()), QStringList{"二"});
        const QList<qint64> later = m_list->add({parcel("四", "d")});
        QVERIFY2(later[0] > ids[2], "the id of a deleted row came back");
    }

    void revisionSeenByAnotherConnection()
    {
        BatchList other(*m_store);
        const QList<qint64> ids = m_list->add({parcel("一", "a")});
        qint64 seen = other.revision();
        const QList<std::function<void()>> changes{
            [&] { m_list->add({parcel("二", "b")}); },
            [&] { m_list->setTicked(ids, false); },
            [&] { m_list->setSlipTypeOfTicked("発払い"); },
            [&] { m_list->markRefused(ids, "停止", firstTime); },
            [&] { m_list->markPrinted(ids, firstTime); },
            [&] { m_list->updateSlip(ids[0], parcel("一", "b").slip, {}); },
            [&] { m_list->remove(ids); },
        };
        for (int i = 0; i < changes.size(); ++i) {
            changes[i]();
            QVERIFY2(other.revision() != seen, qPrintable(QString("change %1 went unseen").arg(i)));
            seen = other.revision();
        }
        m_list->rows();
        m_list->duplicates({parcel("三", "c")});
        QCOMPARE(other.revision(), seen);
    }

    // Two stations on one list: a row is claimed by one at a time and printed once; a claim ends
    // with the row marked, or given back.
    void stationsClaimEachRowOnce()
    {
        rova::store::Location secondStation = *m_store;
        secondStation.station = "梱包2";
        BatchList second(secondStation);
        const QList<qint64> ids = m_list->add({parcel("一", "a"), parcel("二", "b"), parcel("三", "c")});
        QCOMPARE(m_list->claim({ids[0], ids[1]}), (QList<qint64>{ids[0], ids[1]}));
        QCOMPARE(second.claim(ids), QList<qint64>{ids[2]});
        // Not even its own station takes a claim again: the window and a script may print at once.
        QCOMPARE(m_list->claim({ids[0]}), QList<qint64>{});
        QCOMPARE(m_list->rows()[2].claimedBy, "梱包2");

        m_list->markPrinted({ids[0]}, firstTime);
        second.release({ids[1]}); // not its claim
        QCOMPARE(second.claim(ids), QList<qint64>{});
        m_list->release({ids[1]});
        QCOMPARE(second.claim(ids), QList<qint64>{ids[1]});
        second.markRefused({ids[1]}, "停止", secondTime);
        QCOMPARE(m_list->claim(ids), QList<qint64>{ids[1]});
        QCOMPARE(m_list->rows()[0].claimedBy, "");
    }

    // A claim its station never ended lapses after its lifetime, by the store's clock, and any
    // station may then print the row; until then none may.
    void claimLapsesAfterItsLifetime_data()
    {
        QTest::addColumn<qint64>("ageSeconds");
        QTest::addColumn<bool>("held");
        const qint64 lifetime = std::chrono::seconds(rova::store::kClaimLifetime).count();
        QTest::newRow("just claimed") << qint64(0) << true;
        QTest::newRow("a minute before it lapses") << lifetime - 60 << true;
        QTest::newRow("a minute after it lapsed") << lifetime + 60 << false;
        QTest::newRow("left from yesterday") << qint64(24 * 3600) << false;
    }
    void claimLapsesAfterItsLifetime()
    {
        QFETCH(qint64, ageSeconds);
        QFETCH(bool, held);
        rova::store::Location deadStation = *m_store;
        deadStation.station = "梱包9";
        const QList<qint64> ids = m_list->add({parcel("一", "a")});
        QCOMPARE(BatchList(deadStation).claim(ids), ids);
        rova::store::Database(*m_store).exec(
            QString("UPDATE batch_rows SET claimed_at = claimed_at - %1").arg(ageSeconds * 1000));

        // What the window shows agrees with what the store does.
        const BatchRow before = m_list->rows()[0];
        QCOMPARE(before.claimedBy, "梱包9");
        QCOMPARE(before.claimHeld(QDateTime::currentDateTime()), held);
        QCOMPARE(m_list->claim(ids), held ? QList<qint64>{} : ids);
        QCOMPARE(m_list->rows()[0].claimedBy, held ? "梱包9" : rova::store::hostStation());
    }

    // The operator ends claims whoever holds them; rows without a claim are left as they are.
    void forceReleaseEndsAnyStationsClaim()
    {
        rova::store::Location secondStation = *m_store;
        secondStation.station = "梱包2";
        BatchList second(secondStation);
        const QList<qint64> ids = m_list->add({parcel("一", "a"), parcel("二", "b"), parcel("三", "c")});
        second.claim({ids[0]});
        m_list->claim({ids[1]});
        m_list->markPrinted({ids[2]}, firstTime);
        m_list->forceRelease(ids);
        for (const BatchRow& r : m_list->rows()) {
            QCOMPARE(r.claimedBy, "");
            QVERIFY(!r.claimedAt.isValid());
        }
        QCOMPARE(m_list->rows()[2].status, BatchStatus::Printed);
        QCOMPARE(m_list->claim(ids), (QList<qint64>{ids[0], ids[1]}));
    }

    void keptAcrossReopening()
    {
        const QList<qint64> ids = m_list->add({parcel("一", "a"), parcel("二", "b")});
        m_list->markPrinted({ids[0]}, firstTime);
        m_list.reset();
        m_list = std::make_unique<BatchList>(*m_store);
        const QList<BatchRow> rows = m_list->rows();
        QCOMPARE(namesOf(rows), (QStringList{"一", "二"}));
        QCOMPARE(rows[0].status, BatchStatus::Printed);
    }
};

QTEST_GUILESS_MAIN(TestBatchList)
#include "test_batchlist.moc"
