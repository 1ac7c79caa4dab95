#include "platform/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{
enum class FirstCopy { None, Running, Crashed, StrayFile };
// Where the socket goes: the user's runtime folder, or the temporary folder when there is none.
enum class Folder { Runtime, Temp };

// A title of its own per test, so that a copy of the program the tester runs is never disturbed.
QString uniqueTitle()
{
    static int serial = 0;
    return QStringLiteral("◇rova_Yamato test %1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
}

bool reachableByOthers(const QString& path)
{
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return (QFileInfo(path).permissions() & others) != QFileDevice::Permissions();
}
} // namespace
Q_DECLARE_METATYPE(FirstCopy)
Q_DECLARE_METATYPE(Folder)

class TestSingleInstance : public QObject
{
    Q_OBJECT
private:
    QList<QProcess*> m_helpers;
    QTemporaryDir m_runtime; // stands for this user's runtime folder
    QByteArray m_savedRuntime;
    bool m_hadRuntime = false;

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
    void useFolder(Folder folder)
    {
        if (folder == Folder::Runtime)
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    static void addFolderRows(const char* what, const std::function<void(QTestData&)>& rest)
    {
        for (Folder folder : {Folder::Runtime, Folder::Temp})
            rest(QTest::addRow("%s, %s", what,
                               folder == Folder::Runtime ? "runtime folder" : "temporary folder")
                 << folder);
    }

private slots:
    void initTestCase()
    {
        m_hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        QVERIFY(m_runtime.isValid());
    }
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
        if (m_hadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

    void startUp_data()
    {
        QTest::addColumn<Folder>("folder");
        QTest::addColumn<FirstCopy>("firstCopy");
        QTest::addColumn<bool>("answered");
        addFolderRows("no copy running: this one starts",
                      [](QTestData& row) { row << FirstCopy::None << false; });
        addFolderRows("a copy running: it is asked to come forward, this one ends",
                      [](QTestData& row) { row << FirstCopy::Running << true; });
        addFolderRows("socket of a crashed copy does not stop the start",
                      [](QTestData& row) { row << FirstCopy::Crashed << false; });
        addFolderRows("a plain file in the socket's place does not stop the start",
                      [](QTestData& row) { row << FirstCopy::StrayFile << false; });
    }
    void startUp()
    {
        QFETCH(Folder, folder);
        QFETCH(FirstCopy, firstCopy);
        QFETCH(bool, answered);
        useFolder(folder);
        const QString title = uniqueTitle();
        rova::SingleInstance instance(title);

        QProcess* first = nullptr;
        if (firstCopy == FirstCopy::StrayFile) {
            QFile stray(instance.serverName());
            QVERIFY(stray.open(QIODevice::WriteOnly));
        }
        if (firstCopy == FirstCopy::Running || firstCopy == FirstCopy::Crashed) {
            first = startHelper("serve", title);
            QTRY_VERIFY_WITH_TIMEOUT(first->canReadLine() || first->state() == QProcess::NotRunning, 10000);
            QCOMPARE(first->readLine(), QByteArray("listening\n"));
        }
        if (firstCopy == FirstCopy::Crashed) {
            first->kill();
            QVERIFY(first->waitForFinished());
            QVERIFY2(QFileInfo::exists(instance.serverName()),
                     "the killed copy should leave its socket behind");
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

    // Copies started at the same moment: one runs, every other one hands over to it and ends.
    void simultaneousStartsLeaveOneRunning_data()
    {
        QTest::addColumn<Folder>("folder");
        addFolderRows("five copies", [](QTestData&) {});
    }
    void simultaneousStartsLeaveOneRunning()
    {
        QFETCH(Folder, folder);
        useFolder(folder);
        const QString title = uniqueTitle();
        QList<QProcess*> copies;
        for (int i = 0; i < 5; ++i)
            copies << startHelper("start", title);
        for (QProcess* copy : std::as_const(copies)) {
            QTRY_VERIFY_WITH_TIMEOUT(copy->canReadLine() || copy->state() == QProcess::NotRunning, 20000);
            QCOMPARE(copy->readLine(), QByteArray("ready\n"));
        }
        for (QProcess* copy : std::as_const(copies))
            copy->write("go\n");
        for (QProcess* copy : std::as_const(copies))
            QTRY_VERIFY_WITH_TIMEOUT(copy->canReadLine() || copy->state() == QProcess::NotRunning, 20000);

        QProcess* running = nullptr;
        for (QProcess* copy : std::as_const(copies)) {
            const QByteArray said = copy->readLine();
            if (said == "running\n") {
                QVERIFY2(!running, "two copies run");
                running = copy;
                continue;
            }
            QCOMPARE(said, QByteArray("handed over\n"));
            QTRY_COMPARE_WITH_TIMEOUT(copy->state(), QProcess::NotRunning, 10000);
            QCOMPARE(copy->exitCode(), 0);
        }
        QVERIFY2(running, "no copy runs");
        int activations = 0;
        QTRY_COMPARE_WITH_TIMEOUT(
            [&] {
                while (running->canReadLine())
                    activations += running->readLine() == "activated\n";
                return activations;
            }(),
            4, 10000);
    }

    void socketLocation_data()
    {
        QTest::addColumn<QString>("runtime"); // how XDG_RUNTIME_DIR is set up; empty: not set
        QTest::addColumn<bool>("inRuntime");
        QTest::newRow("a runtime folder of this user's holds the socket") << "own" << true;
        QTest::newRow("no runtime folder: temporary folder") << "" << false;
        QTest::newRow("runtime folder that does not exist: temporary folder") << "missing" << false;
        QTest::newRow("runtime folder others may write to: temporary folder") << "shared" << false;
        QTest::newRow("runtime folder that is a file: temporary folder") << "file" << false;
        QTest::newRow("relative runtime folder: temporary folder") << "relative" << false;
        QTest::newRow("runtime folder too deep for a socket path: temporary folder") << "deep" << false;
    }
    void socketLocation()
    {
        QFETCH(QString, runtime);
        QFETCH(bool, inRuntime);
        QTemporaryDir scratch;
        QString folder = scratch.path();
        if (runtime == "missing") {
            folder += "/missing";
        } else if (runtime == "shared") {
            folder += "/shared";
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
        } else if (runtime == "file") {
            folder += "/file";
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (runtime == "relative") {
            folder = "run/user";
        } else if (runtime == "deep") {
            folder += QLatin1Char('/') + QString(110, QLatin1Char('d'));
            QVERIFY(QDir().mkdir(folder));
        }
        if (runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));

        rova::SingleInstance instance(uniqueTitle());
        const QFileInfo socket(instance.serverName());
        QVERIFY2(socket.isAbsolute(), qPrintable(socket.filePath()));
        QCOMPARE(socket.absolutePath(), inRuntime ? folder : QDir::tempPath());
        QVERIFY(socket.fileName().endsWith(QStringLiteral("-%1").arg(::getuid())));
        QVERIFY(instance.listen());
        QVERIFY(QFileInfo::exists(socket.filePath()));
        QVERIFY2(!reachableByOthers(socket.filePath()), "the socket must be reachable by this user only");
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
