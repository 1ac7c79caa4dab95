// The program's start on a data folder: what it reports about the folder, and the files of an earlier
// installation used as they are.

#include "rules/cp932.h"
#include "support/controls.h"
#include "support/readonlyfolder.h"
#include "support/tempfiles.h"
#include "widgets/dialogs.h"
#include "widgets/mainwindow.h"
#include "widgets/programstart.h"

#include <QDir>
#include <QLineEdit>
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
};

QTEST_MAIN(TestProgramStart)
#include "test_programstart.moc"
