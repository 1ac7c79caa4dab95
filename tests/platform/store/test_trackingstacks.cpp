// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/trackingstacks.h"
#include "rules/slip/trackingnumber.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using rova::store::TrackingStacks;

class TestTrackingStacks : public QObject
{
    Q_OBJECT
private slots:
    void take_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("next");
        QTest::newRow("across a check-digit wrap")
            << "444413758725" << 3 << QStringList{"444413758725", "444413758736", "444413758740"}
            << "444413758751";
        QTest::newRow("ends at the last number")
            << "999999999983" << 3 << QStringList{"999999999983", "999999999994"} << "";
        QTest::newRow("none asked") << "444413758703" << 0 << QStringList{} << "444413758703";
    }
    void take()
    {
        QFETCH(QString, first);
        QFETCH(int, count);
        QFETCH(QStringList, taken);
        QFETCH(QString, next);
        QTemporaryDir dir;
        TrackingStacks stacks(dir.path());
        stacks.setNext("宅急便", first);
        const rova::store::TakenNumbers got = stacks.take("宅急便", count);
        QCOMPARE(got.numbers, taken);
        QCOMPARE(got.next, next);
        QCOMPARE(stacks.next("宅急便").value_or(QString()), next);
    }

    void stacksAreKeptPerSlipType()
    {
        QTemporaryDir dir;
        TrackingStacks stacks(dir.path());
        stacks.setNext("宅急便", "444413758703");
        QCOMPARE(stacks.take("コレクト", 2).numbers, QStringList());
        stacks.setNext("宅急便", "");
        QCOMPARE(stacks.next("宅急便"), std::nullopt);
    }

    void twoProgramsTakeDisjointNumbers()
    {
        QTemporaryDir dir;
        const QString first = "444413758703";
        TrackingStacks(dir.path()).setNext("宅急便", first);
        QProcess a, b;
        for (QProcess* p : {&a, &b})
            p->start(ROVA_NUMBER_TAKER_HELPER, {dir.path(), "宅急便", "100"});
        QStringList all;
        for (QProcess* p : {&a, &b}) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
            all += QString::fromUtf8(p->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        }
        QCOMPARE(all.size(), 600);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 600);
        // Between them they took the stack's next 600 forms, no number skipped.
        QString expected = first;
        for (int i = 0; i < 600; ++i) {
            QVERIFY2(all.contains(expected), qPrintable(expected));
            expected = rova::tracking::next(expected);
        }
        QCOMPARE(TrackingStacks(dir.path()).next("宅急便"), expected);
    }
};

QTEST_GUILESS_MAIN(TestTrackingStacks)
#include "test_trackingstacks.moc"
