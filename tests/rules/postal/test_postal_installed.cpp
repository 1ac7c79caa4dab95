// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary the system's package installs, when it is there: known codes both ways, and every
// address one that the program can store.

#include "rules/postal/loader.h"
#include "rules/postal/lookup.h"
#include "rules/postal/postalcode.h"
#include "rules/text/cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace rova::postal;
using namespace Qt::StringLiterals;

class TestPostalInstalled : public QObject
{
    Q_OBJECT
    std::shared_ptr<const Index> m_index;

private slots:
    void initTestCase()
    {
        const Sources sources = locateSources({}, {}, {});
        if (!QFile::exists(sources.towns))
            QSKIP("the postal-code lists are not installed (package skkdic-extra)");
        const Loaded loaded = load(sources);
        QVERIFY2(loaded.index, qPrintable(loaded.status));
        m_index = loaded.index;
    }

    void bothWays_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("office");
        QTest::newRow("town") << "1050011"
                              << "東京都港区芝公園"
                              << "";
        QTest::newRow("full width") << "１０５－００１１"
                                    << "東京都港区芝公園"
                                    << "";
        QTest::newRow("first of several towns") << "0040000"
                                                << "北海道札幌市厚別区"
                                                << "";
        QTest::newRow("office") << "1008176"
                                << "東京都千代田区大手町１丁目５番５号"
                                << "株式会社　みずほ銀行　本店";
    }
    void bothWays()
    {
        QFETCH(QString, zip);
        QFETCH(QString, address);
        QFETCH(QString, office);
        const QList<Place> places = placesOf(*m_index, zip);
        QVERIFY(!places.isEmpty());
        QCOMPARE(places.first().address, address);
        QCOMPARE(places.first().office, office);
        QCOMPARE(check(*m_index, zip, address + QStringLiteral("1-2-3")).verdict, Check::Verdict::Agrees);
        if (office.isEmpty()) {
            const QList<Place> codes = codesOf(*m_index, address + QStringLiteral("1-2-3"));
            QVERIFY(
                std::ranges::any_of(codes, [&](const Place& p) { return p.code == places.first().code; }));
        }
    }

    void severalTowns()
    {
        const QList<Place> places = placesOf(*m_index, u"0040000");
        QCOMPARE(places.size(), 2);
        QCOMPARE(places.last().address, u"北海道札幌市清田区");
    }

    void unknownCodeAndMismatch()
    {
        QCOMPARE(check(*m_index, u"999-9999", u"東京都港区芝公園").verdict, Check::Verdict::UnknownCode);
        QCOMPARE(check(*m_index, u"105-0011", u"東京都港区六本木6-10-1").helpText,
                 u"郵便番号 105-0011 は 東京都港区芝公園 です");
    }

    void everyAddressAgreesWithItsOwnCode()
    {
        const rova::postal::IndexData& data = m_index->data();
        std::array<QString, 47> codeOfPrefecture;
        for (const Record& r : data.records)
            codeOfPrefecture.at(size_t(r.prefecture)) = formatCode(int(r.code));
        int agreed = 0;
        int marked = 0;
        QStringList falseMarks;
        for (const Record& r : data.records) {
            QString address = data.view(r.address, r.addressLength).toString();
            // A house number no town is named with: "花巻市12-3" is 花巻市十二丁目3, a town of its own code.
            if (!data.isOffice(r))
                address += u"９８７−６"_s;
            QStringList written{address};
            if (QString shorter = QString(address).remove(u"大字"_s).remove(u'字'); shorter != address)
                written << shorter;
            const QString own = formatCode(int(r.code));
            const QString other = codeOfPrefecture.at(size_t((r.prefecture + 1) % 47));
            for (const QString& a : written) {
                if (check(*m_index, own, a).verdict == Check::Verdict::Agrees)
                    ++agreed;
                else
                    falseMarks << own + u" "_s + a;
                if (check(*m_index, other, a).verdict == Check::Verdict::Mismatch)
                    ++marked;
                else
                    falseMarks << u"not marked: "_s + other + u" "_s + a;
            }
        }
        qInfo("%d addresses agree with their own code, %d marked with a code of another prefecture", agreed,
              marked);
        QVERIFY2(falseMarks.isEmpty(), qPrintable(falseMarks.mid(0, 40).join(u'\n')));
    }

    void mappedCacheGivesTheSameAnswers()
    {
        // Built above without a cache; here written to one and used from it where it lies.
        QTemporaryDir data;
        const Sources sources = locateSources({}, {}, data.path());
        QVERIFY(!load(sources).fromCache);
        const Loaded mapped = load(sources);
        QVERIFY(mapped.fromCache);
        const IndexData& built = m_index->data();
        QCOMPARE(mapped.index->data().records.size(), built.records.size());
        const size_t step = built.records.size() / 3000 + 1;
        for (size_t i = 0; i < built.records.size(); i += step) {
            const Record& r = built.records[i];
            const QString zip = QString::number(r.code).rightJustified(7, u'0');
            const QString address =
                built.view(r.address, r.addressLength).toString() + QStringLiteral("1-2-3");
            QCOMPARE(placesOf(*mapped.index, zip), placesOf(*m_index, zip));
            QCOMPARE(codesOf(*mapped.index, address), codesOf(*m_index, address));
            QCOMPARE(check(*mapped.index, zip, address).verdict, check(*m_index, zip, address).verdict);
        }
    }

    void everyTextCanBeStored()
    {
        // The index's text holds every address and office name (and the keys, all of them storable).
        const QString unencodable = rova::cp932::encode(m_index->data().text.toString()).unencodable;
        QVERIFY2(unencodable.isEmpty(), qPrintable(unencodable));
    }
};

QTEST_GUILESS_MAIN(TestPostalInstalled)
#include "test_postal_installed.moc"
