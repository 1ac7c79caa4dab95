// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/datafiles.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestDataFiles : public QObject
{
    Q_OBJECT
private slots:
    // At start, what interrupted writes left is removed; every other entry of the folder stays.
    void leftoversRemovedAtStart_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("kind"); // file, folder, link
        QTest::addColumn<bool>("removed");
        QTest::newRow("settings file's temporary") << u"rova_Yamato.ini.Ab3xY9"_s << u"file"_s << true;
        QTest::newRow("assignment file's temporary") << u"rova_a500.ini.000000"_s << u"file"_s << true;
        QTest::newRow("program settings' temporary") << u"rova-yamato.conf.q7Rt2k"_s << u"file"_s << true;
        QTest::newRow("sender file's temporary") << u"my9.txt.zzzzzz"_s << u"file"_s << true;
        QTest::newRow("the settings file itself") << u"rova_Yamato.ini"_s << u"file"_s << false;
        QTest::newRow("five characters after the dot") << u"my0.txt.Ab3xY"_s << u"file"_s << false;
        QTest::newRow("seven characters after the dot") << u"my0.txt.Ab3xY9z"_s << u"file"_s << false;
        QTest::newRow("a sign among the six") << u"my0.txt.Ab3-Y9"_s << u"file"_s << false;
        QTest::newRow("no dot before the six") << u"my0.txtAb3xY9Z"_s << u"file"_s << false;
        QTest::newRow("a name the program does not keep") << u"notes.txt.Ab3xY9"_s << u"file"_s << false;
        QTest::newRow("a sender slot that does not exist") << u"my10.txt.Ab3xY9"_s << u"file"_s << false;
        QTest::newRow("a folder of the pattern") << u"my1.txt.Ab3xY9"_s << u"folder"_s << false;
        QTest::newRow("a link of the pattern") << u"my2.txt.Ab3xY9"_s << u"link"_s << false;
    }
    void leftoversRemovedAtStart()
    {
        QFETCH(QString, entry);
        QFETCH(QString, kind);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        rova::test::putFile(dir.filePath(u"my0.txt"_s), "kept");
        const QString path = dir.filePath(entry);
        if (kind == u"file")
            rova::test::putFile(path, "x");
        else if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(entry));
        else
            QCOMPARE(::symlink("my0.txt", QFile::encodeName(path).constData()), 0);
        rova::datafiles::removeLeftovers(dir.path(), rova::datafiles::names());
        QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), !removed);
        QCOMPARE(rova::test::fileBytes(dir.filePath(u"my0.txt"_s)), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
