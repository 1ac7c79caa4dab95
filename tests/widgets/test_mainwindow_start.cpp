// Program start with two real processes: a second start hands over to the running copy and ends.

#include "platform/singleinstance.h"
#include "widgets/dialogs.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindowStart : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static bool copyIsListening()
    {
        QLocalSocket probe;
        probe.connectToServer(rova::SingleInstance(rova::Dialogs::applicationTitle()).serverName());
        return probe.waitForConnected(200);
    }
    void startProgram(QProcess& process)
    {
        process.setProgram(QStringLiteral(ROVA_TEST_BIN "/rova-yamato"));
        process.setArguments({QStringLiteral("--data-dir"), m_dir.path()});
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        QVERIFY(process.waitForStarted());
    }
    static void stop(QProcess& process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.kill();
        process.waitForFinished();
    }

private slots:
    void initTestCase()
    {
        if (copyIsListening())
            QSKIP("a copy of the program is already running for this user");
        // With a registered sender the first copy shows no error box while it waits.
        QFile sender(m_dir.filePath(QStringLiteral("my0.txt")));
        QVERIFY(sender.open(QIODevice::WriteOnly));
        sender.write("\r\n\r\n\r\n\r\n\r\n");
    }

    void secondStartEndsAndLeavesTheFirstRunning()
    {
        QProcess first;
        startProgram(first);
        QTRY_VERIFY_WITH_TIMEOUT(copyIsListening(), 20000);

        QProcess second;
        startProgram(second);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

    void copyThatDiedDoesNotBlockTheNextStart()
    {
        QProcess crashed;
        startProgram(crashed);
        QTRY_VERIFY_WITH_TIMEOUT(copyIsListening(), 20000);
        stop(crashed); // killed: its socket is left behind

        QProcess next;
        startProgram(next);
        QTRY_VERIFY_WITH_TIMEOUT(copyIsListening(), 20000);
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }
};

QTEST_GUILESS_MAIN(TestMainWindowStart)
#include "test_mainwindow_start.moc"
