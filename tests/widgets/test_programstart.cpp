// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start on a data folder: what it reports about the folder, and the files of an earlier
// installation used as they are.

#include "rules/errors.h"
#include "rules/postal/sources.h"
#include "rules/text/cp932.h"
#include "support/controls.h"
#include "support/readonlyfolder.h"
#include "support/tempfiles.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/programstart.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace rova;

class TestProgramStart : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime; // the single-instance socket of this test alone

private slots:
    void initTestCase()
    {
        ::chmod(QFile::encodeName(m_runtime.path()).constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }
    void init() { Dialogs::setScripted(true); }

    // The message itself is the data folder's (test_datafolder); here: it comes first, the window follows.
    void unwritableFolderIsReportedBeforeAnythingElse()
    {
        QTemporaryDir dir;
        ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.refusesWrites())
            QSKIP("this machine cannot make a folder read-only");

        ProgramStart start(dir.path());
        QVERIFY(start.open());
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.first().kind, Dialogs::Kind::Error);
        QVERIFY2(shown.first().text.startsWith(
                     QStringLiteral("データフォルダ %1 に書き込めません").arg(dir.path())),
                 qPrintable(shown.first().text));
        QVERIFY(start.mainWindow().isVisible());
        Dialogs::answerNext(true); // quit without the settings
        start.mainWindow().close();
    }

    // Said once, before anything is asked of the history or the list; yes keeps the file under a name
    // with the day and starts a new list, no leaves it as it is.
    void damagedDatabaseIsSaidOnceAtStart_data()
    {
        QTest::addColumn<bool>("setAside");
        QTest::newRow("set aside") << true;
        QTest::newRow("left as it is") << false;
    }
    void damagedDatabaseIsSaidOnceAtStart()
    {
        QFETCH(bool, setAside);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("rova-yamato.sqlite3"));
        const QByteArray damaged = QByteArray("壊れた一覧\n").repeated(300);
        test::putFile(file, damaged);
        const QString aside = QStringLiteral("rova-yamato-damaged-%1.sqlite3")
                                  .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
        Dialogs::answerNext(setAside);
        {
            ProgramStart start(dir.path());
            QVERIFY(start.open());
            const QList<Dialogs::Shown> shown = Dialogs::takeShown();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].text.startsWith(QStringLiteral("データベース %1 が壊れています: ").arg(file)),
                     qPrintable(shown[0].text));
            QVERIFY2(shown[0].text.contains(aside + QStringLiteral(" と名前を変えて残し（消しません）")),
                     qPrintable(shown[0].text));
            start.mainWindow().close();
        }
        QCOMPARE(test::fileBytes(dir.filePath(aside)), setAside ? damaged : QByteArray());
        QCOMPARE(test::fileBytes(file) == damaged, !setAside);
        Dialogs::takeShown();
    }

    void filesOfAnEarlierInstallationAreUsedAsTheyAre()
    {
        QTemporaryDir dir;
        const QByteArray settings = cp932::toBytes(QStringLiteral("; kept by hand\r\n[rv_YAMATOprn]\r\n"
                                                                  "E_CUS=見本太郎\r\nLegacyKey=古い値\r\n"));
        const QByteArray sender =
            cp932::toBytes(QStringLiteral("〒540-0001\r\n大阪府\r\n\r\nロバ商店\r\n06\r\n"));
        const QByteArray assignment = cp932::toBytes(QStringLiteral(
            "[発払　着払(手差し)]\r\nPrnName=事務所\r\nPrnNoIndex=1\r\nrovPrn_Top=-12\r\nrovPrn_Left=8\r\n"));
        test::putFile(dir.filePath(QStringLiteral("rova_Yamato.ini")), settings);
        test::putFile(dir.filePath(QStringLiteral("my0.txt")), sender);
        test::putFile(dir.filePath(QStringLiteral("rova_a500.ini")), assignment);

        {
            ProgramStart start(dir.path());
            QVERIFY(start.open());
            QTRY_VERIFY(start.mainWindow().isVisible());
            QCOMPARE(start.mainWindow().folder(), dir.path());
            QCOMPARE(ui(start.mainWindow()).Edit_Custo1->text(), QStringLiteral("見本太郎"));
            QCOMPARE(ui(start.mainWindow()).Edit_My->text(), QStringLiteral("ロバ商店"));
            start.mainWindow().close();
        }

        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("my0.txt"))), sender);
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("rova_a500.ini"))), assignment);
        const QByteArray saved = test::fileBytes(dir.filePath(QStringLiteral("rova_Yamato.ini")));
        QVERIFY(saved.startsWith(cp932::toBytes(QStringLiteral("; kept by hand\r\n[rv_YAMATOprn]\r\n"))));
        QVERIFY(saved.contains(cp932::toBytes(QStringLiteral("E_CUS=見本太郎\r\nLegacyKey=古い値\r\n"))));
    }

    // The postal lists are read after the window is shown; one status-bar line says how it went.
    void postalListsFromTheOptionOrTheVariable_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("found");
        const QString lists = QStringLiteral(ROVA_TEST_DATA "/postal");
        QTest::newRow("option") << lists << "" << true;
        QTest::newRow("variable") << "" << lists << true;
        QTest::newRow("option before the variable") << lists << "/nonexistent" << true;
        QTest::newRow("folder without the lists: look-ups off") << ""
                                                                << "/nonexistent" << false;
    }
    void postalListsFromTheOptionOrTheVariable()
    {
        QFETCH(QString, option);
        QFETCH(QString, variable);
        QFETCH(bool, found);
        qputenv(postal::kFolderVariable, variable.toUtf8());
        QTemporaryDir dir;
        {
            ProgramStart start(dir.path(), option);
            QVERIFY(start.open());
            auto* status = start.mainWindow().findChild<QLabel*>(QStringLiteral("Label_PostalStatus"));
            QVERIFY2(status, "Label_PostalStatus");
            QTRY_VERIFY(!status->toolTip().isEmpty());
            auto* f4 = start.mainWindow().findChild<QPushButton*>(QStringLiteral("SpeedButton_F4"));
            QVERIFY2(f4, "SpeedButton_F4");
            if (found) {
                QVERIFY2(status->toolTip().startsWith(QStringLiteral("郵便番号の一覧を読み込みました (")),
                         qPrintable(status->toolTip()));
                QVERIFY2(status->text().startsWith(QStringLiteral("〒 ")), qPrintable(status->text()));
                QCOMPARE(f4->text(), QStringLiteral("〒検索"));
                QVERIFY(f4->isEnabled());
                QVERIFY(QFile::exists(dir.filePath(QString::fromLatin1(postal::kCacheFile))));
            } else {
                QCOMPARE(status->text(), QStringLiteral("〒 使えません"));
                QCOMPARE(status->toolTip(),
                         QStringLiteral("郵便番号の一覧 /nonexistent/SKK-JISYO.zipcode を読めません（%1）。"
                                        "郵便番号の検索と照合は使えません")
                             .arg(errtext::fileNotFound()));
                QCOMPARE(f4->text(), QStringLiteral("F4"));
                QVERIFY(!f4->isEnabled());
            }
            start.mainWindow().close();
        }
        qunsetenv(postal::kFolderVariable);
        Dialogs::takeShown();
    }
};

QTEST_MAIN(TestProgramStart)
#include "test_programstart.moc"
