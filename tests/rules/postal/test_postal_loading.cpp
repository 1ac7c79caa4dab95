// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the dictionary: missing and partial lists, the cache and when it is not trusted, and the
// loader that reads in a thread of its own.

#include "rules/errors.h"
#include "rules/postal/loader.h"
#include "rules/postal/lookup.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace rova::postal;
using rova::test::fileBytes;
using rova::test::putFile;

using Damage = std::function<void(QByteArray&)>;
Q_DECLARE_METATYPE(Damage)

namespace
{
const QString kData = QStringLiteral(ROVA_TEST_DATA "/postal");

// A folder holding copies of the test lists, and a data folder for the cache.
struct Folders {
    QTemporaryDir lists;
    QTemporaryDir data;
    Sources sources() const { return locateSources(lists.path(), {}, data.path()); }
    void copyList(const char* name) const
    {
        putFile(lists.filePath(QString::fromLatin1(name)),
                fileBytes(kData + u'/' + QString::fromLatin1(name)));
    }
    Folders()
    {
        copyList(kTownFile);
        copyList(kOfficeFile);
    }
};

QString firstAddress(const Loaded& loaded, const QString& zip)
{
    const QList<Place> places = placesOf(*loaded.index, zip);
    return places.isEmpty() ? QString() : places.first().address;
}
} // namespace

class TestPostalLoading : public QObject
{
    Q_OBJECT
private slots:
    void missingTownList()
    {
        QTemporaryDir empty;
        const Loaded loaded = load(locateSources(empty.path(), {}, {}));
        QVERIFY(!loaded.index);
        QCOMPARE(loaded.status, QStringLiteral("郵便番号の一覧 %1/SKK-JISYO.zipcode を読めません（%2）。"
                                               "郵便番号の検索と照合は使えません")
                                    .arg(empty.path(), rova::errtext::fileNotFound()));
    }

    void townListWithoutEntries()
    {
        QTemporaryDir lists;
        putFile(lists.filePath(QString::fromLatin1(kTownFile)), ";; okuri-nasi entries.\n");
        const Loaded loaded = load(locateSources(lists.path(), {}, {}));
        QVERIFY(!loaded.index);
        QVERIFY2(loaded.status.contains(u"郵便番号がひとつもありません"), qPrintable(loaded.status));
    }

    void missingOfficeListLeavesTheTowns()
    {
        Folders folders;
        QFile::remove(folders.lists.filePath(QString::fromLatin1(kOfficeFile)));
        const Loaded loaded = load(folders.sources());
        QVERIFY(loaded.index);
        QCOMPARE(firstAddress(loaded, "1050011"), u"東京都港区芝公園");
        QCOMPARE(check(*loaded.index, u"1008176", u"東京都千代田区大手町1").verdict,
                 Check::Verdict::UnknownCode);
    }

    void cacheGivesTheSameAnswers()
    {
        Folders folders;
        const Loaded built = load(folders.sources());
        QVERIFY(built.index && !built.fromCache);
        QVERIFY(QFile::exists(folders.sources().cache));
        const Loaded cached = load(folders.sources());
        QVERIFY(cached.index && cached.fromCache);
        for (const char* zip : {"1050011", "0030022", "1008176", "9999999"})
            QCOMPARE(placesOf(*cached.index, QString::fromLatin1(zip)),
                     placesOf(*built.index, QString::fromLatin1(zip)));
        QCOMPARE(codesOf(*cached.index, u"長野県松川村1"), codesOf(*built.index, u"長野県松川村1"));
        QCOMPARE(codesOf(*cached.index, u"府中市"), codesOf(*built.index, u"府中市"));
    }

    void changedListIsReadAgain()
    {
        Folders folders;
        load(folders.sources());
        const QString towns = folders.lists.filePath(QString::fromLatin1(kTownFile));
        QFile file(towns);
        QVERIFY(file.open(QIODevice::Append));
        file.write("1050012 /\xC5\xEC\xB5\xFE\xC5\xD4\xB9\xC1\xB6\xE8\xBC\xC7/\n"); // a made-up 東京都港区芝
        file.close();
        const Loaded loaded = load(folders.sources());
        QVERIFY(loaded.index && !loaded.fromCache);
        QCOMPARE(firstAddress(loaded, "1050012"), u"東京都港区芝");
    }

    void damagedCacheIsRebuilt_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("empty") << Damage([](QByteArray& b) { b.clear(); });
        QTest::newRow("cut in the middle") << Damage([](QByteArray& b) { b.truncate(b.size() / 2); });
        QTest::newRow("one byte short") << Damage([](QByteArray& b) { b.chop(1); });
        QTest::newRow("a byte more") << Damage([](QByteArray& b) { b.append('\0'); });
        QTest::newRow("another format's mark") << Damage([](QByteArray& b) { b.replace(0, 4, "XXXX"); });
        QTest::newRow("an older format") << Damage([](QByteArray& b) { b[4] = 1; });
        QTest::newRow("a table past the end")
            << Damage([](QByteArray& b) { b.replace(24, 8, QByteArray(8, '\x7F')); });
        QTest::newRow("one address altered (港 → 湊)") << Damage([](QByteArray& b) {
            const auto utf16 = [](const char16_t* c) {
                return QByteArray(reinterpret_cast<const char*>(c), 2);
            };
            const qsizetype at = b.indexOf(utf16(u"港"));
            QVERIFY(at >= 0);
            b.replace(at, 2, utf16(u"湊"));
        });
        QTest::newRow("the checksum altered") << Damage([](QByteArray& b) { b[b.size() - 1] ^= 1; });
    }
    void damagedCacheIsRebuilt()
    {
        QFETCH(Damage, damage);
        Folders folders;
        load(folders.sources());
        QByteArray bytes = fileBytes(folders.sources().cache);
        damage(bytes);
        putFile(folders.sources().cache, bytes);
        const Loaded loaded = load(folders.sources());
        QVERIFY(loaded.index && !loaded.fromCache);
        QCOMPARE(firstAddress(loaded, "1050011"), u"東京都港区芝公園");
    }

    void cacheThatCannotBeWrittenIsNoFault()
    {
        Folders folders;
        const Sources sources =
            locateSources(folders.lists.path(), {}, folders.data.filePath("missing/folder"));
        const Loaded loaded = load(sources);
        QVERIFY(loaded.index && !loaded.fromCache);
        QVERIFY(loaded.status.isEmpty());
    }

    void sourcesInOrder_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("towns");
        QTest::addColumn<QString>("cache");
        QTest::newRow("the installed lists, no cache") << ""
                                                       << ""
                                                       << ""
                                                       << "/usr/share/skk/SKK-JISYO.zipcode"
                                                       << "";
        QTest::newRow("the environment's folder") << ""
                                                  << "/opt/new"
                                                  << "/data"
                                                  << "/opt/new/SKK-JISYO.zipcode"
                                                  << "/data/postal-index.cache";
        QTest::newRow("the option before the environment") << "/home/a/lists"
                                                           << "/opt/new"
                                                           << "/data"
                                                           << "/home/a/lists/SKK-JISYO.zipcode"
                                                           << "/data/postal-index.cache";
    }
    void sourcesInOrder()
    {
        QFETCH(QString, option);
        QFETCH(QString, variable);
        QFETCH(QString, dataFolder);
        QFETCH(QString, towns);
        QFETCH(QString, cache);
        const Sources sources = rova::postal::locateSources(option, variable, dataFolder);
        QCOMPARE(sources.towns, towns);
        QCOMPARE(sources.offices, QFileInfo(towns).dir().filePath(QString::fromLatin1(kOfficeFile)));
        QCOMPARE(sources.cache, cache);
    }

    void loaderReportsInItsOwnThread()
    {
        Folders folders;
        Loader loader;
        QSignalSpy finished(&loader, &Loader::finished);
        loader.start(folders.sources());
        QTRY_COMPARE(finished.count(), 1);
        const auto loaded = finished.first().first().value<Loaded>();
        QVERIFY(loaded.index);
        QCOMPARE(firstAddress(loaded, "１０５－００１１"), u"東京都港区芝公園");
    }

    void loaderReportsAMissingList()
    {
        QTemporaryDir empty;
        Loader loader;
        QSignalSpy finished(&loader, &Loader::finished);
        loader.start(locateSources(empty.path(), {}, {}));
        QTRY_COMPARE(finished.count(), 1);
        const auto loaded = finished.first().first().value<Loaded>();
        QVERIFY(!loaded.index);
        QVERIFY(!loaded.status.isEmpty());
    }

    void loaderGoneBeforeItsEnd()
    {
        Folders folders;
        bool reported = false;
        {
            Loader loader;
            connect(&loader, &Loader::finished, this, [&] { reported = true; });
            loader.start(folders.sources());
        }
        QCoreApplication::processEvents();
        QVERIFY(!reported);
    }
};

QTEST_GUILESS_MAIN(TestPostalLoading)
#include "test_postal_loading.moc"
