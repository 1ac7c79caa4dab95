// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/activationserver.h"
#include "platform/system/singleinstance.h"
#include "rules/errors.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
enum class FirstCopy { None, Running, Crashed, StrayFile, LockedNotListening };
// Where the socket goes: the user's runtime folder, or the temporary folder when there is none.
enum class Folder { Runtime, Temp };
using Start = rova::SingleInstance::Start;

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

// What the kernel counts for a process: resident KiB and open descriptors.
qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}
qsizetype openDescriptors(qint64 pid)
{
    return QDir(QStringLiteral("/proc/%1/fd").arg(pid))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}
} // namespace
Q_DECLARE_METATYPE(FirstCopy)
Q_DECLARE_METATYPE(Folder)
Q_DECLARE_METATYPE(rova::SingleInstance::Start)

class TestSingleInstance : public QObject
{
    Q_OBJECT
private:
    QList<QProcess*> m_helpers;
    QTemporaryDir m_runtime;         // stands for this user's runtime folder
    QTemporaryDir* m_data = nullptr; // the data folder of one test
    QByteArray m_savedRuntime;
    bool m_hadRuntime = false;

    QProcess* startHelper(const QString& mode, const QString& title, const QString& folder = {})
    {
        auto* p = new QProcess(this);
        p->setProgram(QStringLiteral(ROVA_SINGLEINSTANCE_HELPER));
        p->setArguments({mode, title, folder.isEmpty() ? m_data->path() : folder});
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start();
        m_helpers.append(p);
        return p;
    }
    // Waits for the helper's first line.
    static QByteArray firstLine(QProcess* p)
    {
        [&] { QTRY_VERIFY_WITH_TIMEOUT(p->canReadLine() || p->state() == QProcess::NotRunning, 20000); }();
        return p->readLine();
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
    void init() { m_data = new QTemporaryDir; }
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
        delete m_data;
        if (m_hadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

    void startUp_data()
    {
        QTest::addColumn<Folder>("folder");
        QTest::addColumn<FirstCopy>("firstCopy");
        QTest::addColumn<Start>("start");
        addFolderRows("no copy running: this one starts",
                      [](QTestData& row) { row << FirstCopy::None << Start::Run; });
        addFolderRows("a copy running: it is asked to come forward, this one ends",
                      [](QTestData& row) { row << FirstCopy::Running << Start::HandedOver; });
        addFolderRows("socket of a crashed copy does not stop the start",
                      [](QTestData& row) { row << FirstCopy::Crashed << Start::Run; });
        addFolderRows("a plain file in the socket's place does not stop the start",
                      [](QTestData& row) { row << FirstCopy::StrayFile << Start::Run; });
        addFolderRows("the lock held by a copy that cannot be asked: this one ends all the same",
                      [](QTestData& row) { row << FirstCopy::LockedNotListening << Start::AlreadyRunning; });
    }
    void startUp()
    {
        QFETCH(Folder, folder);
        QFETCH(FirstCopy, firstCopy);
        QFETCH(Start, start);
        useFolder(folder);
        const QString title = uniqueTitle();
        rova::SingleInstance instance(title, m_data->path());

        QProcess* first = nullptr;
        if (firstCopy == FirstCopy::StrayFile)
            rova::test::putFile(instance.serverName(), "x");
        if (firstCopy == FirstCopy::LockedNotListening) {
            first = startHelper("hold", title);
            QCOMPARE(firstLine(first), QByteArray("held\n"));
        }
        if (firstCopy == FirstCopy::Running || firstCopy == FirstCopy::Crashed) {
            first = startHelper("serve", title);
            QCOMPARE(firstLine(first), QByteArray("listening\n"));
        }
        if (firstCopy == FirstCopy::Crashed) {
            first->kill();
            QVERIFY(first->waitForFinished());
            QVERIFY2(QFileInfo::exists(instance.serverName()),
                     "the killed copy should leave its socket behind");
        }

        QCOMPARE(instance.claim(500), start);
        if (start == Start::HandedOver) {
            QCOMPARE(firstLine(first), QByteArray("activated\n"));
            return;
        }
        if (start == Start::AlreadyRunning)
            return;
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
        for (QProcess* copy : std::as_const(copies))
            QCOMPARE(firstLine(copy), QByteArray("ready\n"));
        for (QProcess* copy : std::as_const(copies))
            copy->write("go\n");

        QProcess* running = nullptr;
        for (QProcess* copy : std::as_const(copies)) {
            const QByteArray said = firstLine(copy);
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

    // The lock is a plain file of this user's that no one else may open; anything else in its place
    // stops the start with the file named.
    void lockFile_data()
    {
        QTest::addColumn<QString>("inPlace"); // what lies where the lock goes beforehand
        QTest::addColumn<QString>("reason");  // empty: the start goes on
        QTest::newRow("nothing: made private") << ""
                                               << "";
        QTest::newRow("a lock file others may read: made private") << "0644"
                                                                   << "";
        QTest::newRow("a link") << "link"
                                << "Too many levels of symbolic links";
        QTest::newRow("a folder") << "folder"
                                  << "File access denied";
        QTest::newRow("a file of another user's") << "other"
                                                  << "別のユーザーのファイルです";
    }
    void lockFile()
    {
        QFETCH(QString, inPlace);
        QFETCH(QString, reason);
        rova::SingleInstance instance(uniqueTitle(), m_data->path());
        const QByteArray lock = QFile::encodeName(instance.lockPath());
        if (inPlace == "0644" || inPlace == "other") {
            rova::test::putFile(instance.lockPath(), QByteArray());
            QCOMPARE(::chmod(lock.constData(), 0644), 0);
        } else if (inPlace == "link") {
            QCOMPARE(::symlink("elsewhere", lock.constData()), 0);
        } else if (inPlace == "folder") {
            QVERIFY(QDir().mkdir(instance.lockPath()));
        }
        if (inPlace == "other" && (::geteuid() != 0 || ::chown(lock.constData(), 65534, 65534) != 0))
            QSKIP("only the superuser can give a file to another user");
        QString message;
        try {
            QCOMPARE(instance.claim(), Start::Run);
        } catch (const rova::Error& e) {
            message = e.message();
        }
        QCOMPARE(message, reason.isEmpty() ? QString() : reason + '\n' + instance.lockPath());
        if (reason.isEmpty())
            QVERIFY2(!reachableByOthers(instance.lockPath()), "the lock must be this user's only");
    }

    // The first start after installing: the data folder is made after the copy was set up, and a
    // second start, which finds the folder there, still reaches the first one.
    void firstStartWithoutDataFolder_data()
    {
        QTest::addColumn<QString>("missing"); // the data folder, under the test's folder
        QTest::newRow("the data folder missing") << "rova";
        QTest::newRow("the data folder and its parent missing") << "share/rova";
        QTest::newRow("missing under a link to a folder") << "link/share/rova";
        QTest::newRow("missing, written with . and ..") << "share/./x/../rova/";
    }
    void firstStartWithoutDataFolder()
    {
        QFETCH(QString, missing);
        QVERIFY(QFile::link(m_data->path(), m_data->filePath(QStringLiteral("link"))));
        const QString folder = m_data->filePath(missing);
        const QString title = uniqueTitle();
        rova::SingleInstance first(title, folder);
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(first.claim(), Start::Run);
        QSignalSpy activations(&first, &rova::SingleInstance::activationRequested);

        QProcess* second = startHelper("start", title, folder);
        QCOMPARE(firstLine(second), QByteArray("ready\n"));
        second->write("go\n");
        QCOMPARE(firstLine(second), QByteArray("handed over\n"));
        QTRY_COMPARE(activations.size(), 1);
    }

    void socketIsOnePerDataFolder()
    {
        const QString title = uniqueTitle();
        QTemporaryDir other;
        const QString link = other.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(m_data->path(), link));
        const QString name = rova::SingleInstance(title, m_data->path()).serverName();
        QVERIFY(name != rova::SingleInstance(title, other.path()).serverName());
        QCOMPARE(rova::SingleInstance(title, link).serverName(), name);
    }

    // Whatever a client sends or holds open, the running copy keeps answering within bounded memory.
    void serverStaysBounded_data()
    {
        QTest::addColumn<int>("clients");
        QTest::addColumn<qint64>("bytesEach"); // sent without a line end
        QTest::newRow("an over-long message") << 1 << qint64(32) * 1024 * 1024;
        QTest::newRow("many idle connections") << 300 << qint64(0);
        QTest::newRow("many connections sending half a request") << 50 << qint64(4);
    }
    void serverStaysBounded()
    {
        QFETCH(int, clients);
        QFETCH(qint64, bytesEach);
        const QString title = uniqueTitle();
        QProcess* server = startHelper("serve", title);
        QCOMPARE(firstLine(server), QByteArray("listening\n"));
        const qint64 pid = server->processId();
        const qint64 memoryBefore = residentKiB(pid);
        const qsizetype descriptorsBefore = openDescriptors(pid);

        const QString name = rova::SingleInstance(title, m_data->path()).serverName();
        std::vector<std::unique_ptr<QLocalSocket>> sockets;
        const QByteArray chunk(1024 * 1024, 'x');
        for (int i = 0; i < clients; ++i) {
            auto socket = std::make_unique<QLocalSocket>();
            socket->connectToServer(name);
            if (socket->waitForConnected(1000)) {
                for (qint64 sent = 0; sent < bytesEach && socket->state() == QLocalSocket::ConnectedState;
                     sent += chunk.size()) {
                    socket->write(chunk.left(bytesEach - sent));
                    socket->waitForBytesWritten(1000);
                }
            }
            sockets.push_back(std::move(socket));
        }
        QVERIFY(openDescriptors(pid) <= descriptorsBefore + rova::ActivationServer::kMaxConnections + 1);

        QProcess* ask = startHelper("ask", title);
        QTRY_COMPARE_WITH_TIMEOUT(ask->state(), QProcess::NotRunning, 10000);
        QCOMPARE(ask->exitCode(), 0);
        QCOMPARE(firstLine(server), QByteArray("activated\n"));
        // Far below the 32 MiB one client sends; the descriptors above bound the idle connections.
        QVERIFY2(residentKiB(pid) - memoryBefore < 8192,
                 qPrintable(QStringLiteral("grew by %1 KiB").arg(residentKiB(pid) - memoryBefore)));
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
            rova::test::putFile(folder, QByteArray());
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

        rova::SingleInstance instance(uniqueTitle(), m_data->path());
        const QFileInfo socket(instance.serverName());
        QVERIFY2(socket.isAbsolute(), qPrintable(socket.filePath()));
        QCOMPARE(socket.absolutePath(), inRuntime ? folder : QDir::tempPath());
        QVERIFY(socket.fileName().endsWith(QStringLiteral("-%1").arg(::getuid())));
        QCOMPARE(instance.claim(), Start::Run);
        QVERIFY(QFileInfo::exists(socket.filePath()));
        QVERIFY2(!reachableByOthers(socket.filePath()), "the socket must be reachable by this user only");
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
