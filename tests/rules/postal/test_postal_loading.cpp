// Reading the dictionary: missing and partial lists, where they are looked for, and the loader that
// reads in a thread of its own.

#include "rules/errors.h"
#include "rules/postal/loader.h"
#include "rules/postal/lookup.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace rova::postal;
using rova::test::fileBytes;
using rova::test::putFile;

namespace
{
const QString kData = QStringLiteral(ROVA_TEST_DATA "/postal");

// A folder holding copies of the test lists.
struct Folders {
    QTemporaryDir lists;
    Sources sources() const { return locateSources(lists.path(), {}); }
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
        const Loaded loaded = load(locateSources(empty.path(), {}));
        QVERIFY(!loaded.index);
        QCOMPARE(loaded.status, QStringLiteral("郵便番号の一覧 %1/SKK-JISYO.zipcode を読めません（%2）。"
                                               "郵便番号の検索と照合は使えません")
                                    .arg(empty.path(), rova::errtext::fileNotFound()));
    }

    void townListWithoutEntries()
    {
        QTemporaryDir lists;
        putFile(lists.filePath(QString::fromLatin1(kTownFile)), ";; okuri-nasi entries.\n");
        const Loaded loaded = load(locateSources(lists.path(), {}));
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

    void sourcesInOrder_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("towns");
        QTest::newRow("the installed lists") << ""
                                             << ""
                                             << "/usr/share/skk/SKK-JISYO.zipcode";
        QTest::newRow("the environment's folder") << ""
                                                  << "/opt/new"
                                                  << "/opt/new/SKK-JISYO.zipcode";
        QTest::newRow("the option before the environment") << "/home/a/lists"
                                                           << "/opt/new"
                                                           << "/home/a/lists/SKK-JISYO.zipcode";
    }
    void sourcesInOrder()
    {
        QFETCH(QString, option);
        QFETCH(QString, variable);
        QFETCH(QString, towns);
        const Sources sources = rova::postal::locateSources(option, variable);
        QCOMPARE(sources.towns, towns);
        QCOMPARE(sources.offices, QFileInfo(towns).dir().filePath(QString::fromLatin1(kOfficeFile)));
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
        loader.start(locateSources(empty.path(), {}));
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
