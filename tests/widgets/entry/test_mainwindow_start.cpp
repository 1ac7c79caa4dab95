// SPDX-License-Identifier: GPL-3.0-or-later
// Program start with real processes: a second start hands over to the running copy and ends, or says
// the program runs when it cannot reach it; only the running copy clears the data folder.

#include "platform/system/singleinstance.h"
#include "support/tempfiles.h"
#include "widgets/kit/dialogs.h"
#include "widgets/programstart.h"

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

    bool copyIsListening() const
    {
        QLocalSocket probe;
        probe.connectToServer(
            rova::SingleInstance(rova::Dialogs::applicationTitle(), m_dir.path()).serverName());
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

    // Leftovers of interrupted writes go when the running copy starts; a second start touches nothing.
    void secondStartEndsAndLeavesTheFirstRunning()
    {
        const QString leftover = m_dir.filePath(QStringLiteral("rova_Yamato.ini.Ab3xY9"));
        rova::test::putFile(leftover, "torn");
        QProcess first;
        startProgram(first);
        QTRY_VERIFY_WITH_TIMEOUT(copyIsListening(), 20000);
        // The copy may answer before it has tidied its folder.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(leftover), 20000);

        rova::test::putFile(leftover, "being written by the running copy");
        QProcess second;
        startProgram(second);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QVERIFY(QFile::exists(leftover));
        stop(first);
    }

    // Another process holds the lock and cannot be asked: no window, and the operator is told why.
    void lockHeldElsewhereEndsTheStartWithAMessage()
    {
        QProcess holder;
        holder.setProgram(QStringLiteral(ROVA_SINGLEINSTANCE_HELPER));
        holder.setArguments({QStringLiteral("hold"), rova::Dialogs::applicationTitle(), m_dir.path()});
        holder.start();
        QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine(), 20000);
        QCOMPARE(holder.readLine(), QByteArray("held\n"));

        rova::Dialogs::setScripted(true);
        rova::ProgramStart start(m_dir.path());
        const bool opened = start.open();
        const QList<rova::Dialogs::Shown> shown = rova::Dialogs::takeShown();
        rova::Dialogs::setScripted(false);
        holder.closeWriteChannel();
        holder.waitForFinished();

        QVERIFY(!opened);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("◇rova_Yamato はすでに起動しています\n") + m_dir.path());
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

QTEST_MAIN(TestMainWindowStart)
#include "test_mainwindow_start.moc"
