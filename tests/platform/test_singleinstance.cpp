#include "platform/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {
enum class FirstCopy { None, Running, Crashed };

// A title of its own per test, so that a copy of the program the tester runs is never disturbed.
QString uniqueTitle()
{
    static int serial = 0;
    return QStringLiteral("◇rova_Yamato test %1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
}
} // namespace
Q_DECLARE_METATYPE(FirstCopy)

class TestSingleInstance : public QObject {
    Q_OBJECT
private:
    QList<QProcess*> m_helpers;

    QProcess* startHelper(const QString& mode, const QString& title)
    {
        auto* p = new QProcess(this);
        p->setProgram(QStringLiteral(ROVA_SINGLEINSTANCE_HELPER));
        p->setArguments({mode, title});
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start();
        m_helpers.append(p);
        return p;
    }

private slots:
    void cleanup()
    {
        for (QProcess* p : std::as_const(m_helpers)) {
            p->closeWriteChannel();
            if (!p->waitForFinished(5000))
                p->kill();
            p->waitForFinished();
            delete p;
        }
        m_helpers.clear();
    }

    void startUp_data()
    {
        QTest::addColumn<FirstCopy>("firstCopy");
        QTest::addColumn<bool>("answered");
        QTest::newRow("no copy running: this one starts") << FirstCopy::None << false;
        QTest::newRow("a copy running: it is asked to come forward, this one ends") << FirstCopy::Running << true;
        QTest::newRow("socket of a crashed copy does not stop the start") << FirstCopy::Crashed << false;
    }
    void startUp()
    {
        QFETCH(FirstCopy, firstCopy);
        QFETCH(bool, answered);
        const QString title = uniqueTitle();
        rova::SingleInstance instance(title);
        const QString socketPath = QDir(QDir::tempPath()).filePath(instance.serverName());

        QProcess* first = nullptr;
        if (firstCopy != FirstCopy::None) {
            first = startHelper("serve", title);
            QTRY_VERIFY_WITH_TIMEOUT(first->canReadLine() || first->state() == QProcess::NotRunning, 10000);
            QCOMPARE(first->readLine(), QByteArray("listening\n"));
        }
        if (firstCopy == FirstCopy::Crashed) {
            first->kill();
            QVERIFY(first->waitForFinished());
            QVERIFY2(QFileInfo::exists(socketPath), "the killed copy should leave its socket behind");
        }

        QCOMPARE(instance.bringExistingForward(), answered);
        if (answered) {
            QTRY_VERIFY_WITH_TIMEOUT(first->canReadLine(), 10000);
            QCOMPARE(first->readLine(), QByteArray("activated\n"));
            QVERIFY2(!instance.listen(), "a running copy's socket must not be taken over");
            return;
        }

        QVERIFY(instance.listen());
        QSignalSpy activations(&instance, &rova::SingleInstance::activationRequested);
        QProcess* second = startHelper("ask", title);
        QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 10000);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE(activations.size(), 1);
    }

    void socketIsReachableByThisUserOnly()
    {
        rova::SingleInstance instance(uniqueTitle());
        QVERIFY(instance.listen());
        const QFileInfo socket(QDir(QDir::tempPath()).filePath(instance.serverName()));
        QVERIFY(socket.exists());
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(socket.permissions() & others, QFileDevice::Permissions());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
