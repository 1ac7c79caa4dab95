// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"
#include "rules/files/fileio.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using rova::test::fileBytes;
using rova::test::putFile;

namespace
{
QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const rova::Error& e) {
        return e.message();
    }
    return {};
}

// Makes writes beyond `limit` bytes fail (EFBIG), which even the superuser cannot get around.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = m_saved;
        lower.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};
} // namespace

class TestFileIo : public QObject
{
    Q_OBJECT
private slots:
    // The first line says what happened, the second names the file in full.
    void readAllErrors_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("needsPermissions");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << u"none.txt"_s << false << u"File not found"_s;
        QTest::newRow("missing folder") << u"none/my0.txt"_s << false << u"File not found"_s;
        QTest::newRow("a file taken for a folder") << u"plain.txt/my0.txt"_s << false << u"File not found"_s;
        QTest::newRow("a folder") << u"folder"_s << false << u"File access denied"_s;
        QTest::newRow("unreadable file") << u"secret.txt"_s << true << u"File access denied"_s;
        QTest::newRow("a pipe is not waited on") << u"pipe"_s << false << u"File access denied"_s;
        QTest::newRow("a link to itself, in the system's words")
            << u"loop.txt"_s << false << u"Too many levels of symbolic links"_s;
    }
    void readAllErrors()
    {
        QFETCH(QString, relative);
        QFETCH(bool, needsPermissions);
        QFETCH(QString, reason);
        if (needsPermissions && ::geteuid() == 0)
            QSKIP("the superuser reads unreadable files");
        QTemporaryDir dir;
        putFile(dir.filePath(u"plain.txt"_s), "x");
        putFile(dir.filePath(u"secret.txt"_s), "x");
        QFile::setPermissions(dir.filePath(u"secret.txt"_s), QFile::WriteOwner);
        QDir(dir.path()).mkdir(u"folder"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"pipe"_s)).constData(), 0600), 0);
        QCOMPARE(::symlink("loop.txt", QFile::encodeName(dir.filePath(u"loop.txt"_s)).constData()), 0);
        const QString expected = reason + u'\n' + dir.filePath(relative);
        QCOMPARE(errorOf([&] { rova::fileio::readAll(dir.filePath(relative)); }), expected);
        QCOMPARE(errorOf([&] { rova::fileio::readLines(dir.filePath(relative), 5, 100); }), expected);
    }

    // A file is read whole only up to a size; past it, it is refused and nothing more is read.
    void readAllRefusesTooLargeFiles_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("refused");
        QTest::newRow("exactly the most") << qsizetype(1000) << false;
        QTest::newRow("one byte more") << qsizetype(1001) << true;
        QTest::newRow("far more, not even allocated") << (qsizetype(1) << 33) << true;
    }
    void readAllRefusesTooLargeFiles()
    {
        QFETCH(qsizetype, size);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"rova_Yamato.ini"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size)); // a sparse file: no disk space used
        file.close();
        const QString error = errorOf([&] { QCOMPARE(rova::fileio::readAll(path, 1000).size(), size); });
        QCOMPARE(error, refused ? rova::errtext::fileTooLarge() + u'\n' + path : QString());
    }

    // Only as many lines as asked for are read, however long the file goes on.
    void readLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("read"); // null: refused as too long
        QTest::newRow("five lines of many: up to the fifth line end")
            << QByteArray("1\r\n2\n3\r\n4\n5\r\n6\r\n") << QByteArray("1\r\n2\n3\r\n4\n5\r\n");
        QTest::newRow("fewer lines: the whole file") << QByteArray("1\r\n2") << QByteArray("1\r\n2");
        QTest::newRow("an empty file") << QByteArray("") << QByteArray("");
        QTest::newRow("a file of line breaks far past the fifth: five bytes")
            << QByteArray(200000, '\n') << QByteArray(5, '\n');
        QTest::newRow("long lines after the fifth do not count")
            << QByteArray("1\n2\n3\n4\n5\n") + QByteArray(100000, 'x') << QByteArray("1\n2\n3\n4\n5\n");
        QTest::newRow("five lines within the most") << QByteArray(95, 'x') + "\n\n\n\n\n"
                                                    << QByteArray(95, 'x') + "\n\n\n\n\n";
        QTest::newRow("a first line longer than the most") << QByteArray(100000, 'x') << QByteArray();
        QTest::newRow("the five lines one byte longer than the most")
            << QByteArray(96, 'x') + "\n\n\n\n\nmore" << QByteArray();
    }
    void readLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"my0.txt"_s);
        putFile(path, bytes);
        QByteArray got;
        const QString error = errorOf([&] { got = rova::fileio::readLines(path, 5, 100); });
        QCOMPARE(error, read.isNull() ? rova::errtext::linesTooLong() + u'\n' + path : QString());
        QCOMPARE(got, read.isNull() ? QByteArray() : read);
    }

    void readAllReadsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("NUL and high bytes") << QByteArray("a\0b\xff\x81\r\n", 7);
        QTest::newRow("larger than one read") << QByteArray(100000, '\x83');
    }
    void readAllReadsEveryByte()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        putFile(dir.filePath(u"f"_s), bytes);
        QCOMPARE(rova::fileio::readAll(dir.filePath(u"f"_s)), bytes);
    }

    void writeReplacesTheFile_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::newRow("new file") << false;
        QTest::newRow("existing file") << true;
    }
    void writeReplacesTheFile()
    {
        QFETCH(bool, existed);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"my0.txt"_s);
        if (existed)
            putFile(path, "old content that is longer");
        rova::fileio::writeAtomically(path, "new");
        QCOMPARE(fileBytes(path), QByteArray("new"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"my0.txt"_s});
    }

    void writeKeepsPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"p.ini"_s);
        putFile(path, "old");
        ::chmod(QFile::encodeName(path).constData(), 0640);
        rova::fileio::writeAtomically(path, "new");
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
    }

    // The file a link names gets the new bytes; every link on the way stays a link to where it was.
    void writeFollowsLinks_data()
    {
        QTest::addColumn<QStringList>("links"); // "name>target" pairs made in this order
        QTest::addColumn<QString>("written");   // the name written to
        QTest::addColumn<QString>("file");      // the plain file that must hold the bytes
        QTest::addColumn<bool>("existed");
        QTest::newRow("link beside its file")
            << QStringList{u"my0.txt>real.txt"_s} << u"my0.txt"_s << u"real.txt"_s << true;
        QTest::newRow("relative link into another folder")
            << QStringList{u"my0.txt>sub/real.txt"_s} << u"my0.txt"_s << u"sub/real.txt"_s << true;
        QTest::newRow("relative link from inside a folder")
            << QStringList{u"sub/my0.txt>../real.txt"_s} << u"sub/my0.txt"_s << u"real.txt"_s << true;
        QTest::newRow("absolute link")
            << QStringList{u"my0.txt>@/sub/real.txt"_s} << u"my0.txt"_s << u"sub/real.txt"_s << true;
        QTest::newRow("link to a link") << QStringList{u"b.txt>sub/real.txt"_s, u"my0.txt>b.txt"_s}
                                        << u"my0.txt"_s << u"sub/real.txt"_s << true;
        QTest::newRow("link to a file not made yet")
            << QStringList{u"my0.txt>sub/new.txt"_s} << u"my0.txt"_s << u"sub/new.txt"_s << false;
    }
    void writeFollowsLinks()
    {
        QFETCH(QStringList, links);
        QFETCH(QString, written);
        QFETCH(QString, file);
        QFETCH(bool, existed);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(u"sub"_s);
        if (existed)
            putFile(dir.filePath(file), "old content that is longer");
        for (const QString& link : links) {
            const QStringList parts = link.split(u'>');
            const QString target = QString(parts[1]).replace(u"@"_s, dir.path());
            QCOMPARE(::symlink(QFile::encodeName(target).constData(),
                               QFile::encodeName(dir.filePath(parts[0])).constData()),
                     0);
        }
        rova::fileio::writeAtomically(dir.filePath(written), "new");
        QCOMPARE(fileBytes(dir.filePath(file)), QByteArray("new"));
        QVERIFY(!QFileInfo(dir.filePath(file)).isSymLink());
        for (const QString& link : links) {
            const QStringList parts = link.split(u'>');
            QVERIFY2(QFileInfo(dir.filePath(parts[0])).isSymLink(), qPrintable(parts[0]));
        }
        for (const QString& folder : {dir.path(), dir.filePath(u"sub"_s)})
            QCOMPARE(QDir(folder).entryList({u"*.txt.*"_s}, QDir::Files | QDir::Hidden | QDir::System),
                     QStringList{});
    }

    // A file that may not be written is not replaced, even where the folder would allow it.
    void readOnlyFileIsRefused_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only file behind a link") << true;
    }
    void readOnlyFileIsRefused()
    {
        QFETCH(bool, throughLink);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"rova_Yamato.ini"_s);
        const QString written = throughLink ? dir.filePath(u"link.ini"_s) : file;
        putFile(file, "old");
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0444), 0);
        if (throughLink)
            QCOMPARE(::symlink("rova_Yamato.ini", QFile::encodeName(written).constData()), 0);
        QCOMPARE(errorOf([&] { rova::fileio::writeAtomically(written, "new"); }),
                 rova::errtext::fileAccessDenied() + u'\n' + written);
        QCOMPARE(fileBytes(file), QByteArray("old"));
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0444));
        QCOMPARE(QFileInfo(written).isSymLink(), throughLink);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                 throughLink ? 2 : 1);
    }

    // Whatever fails, the old file stays whole and no temporary file is left behind.
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("disk refuses the bytes") << u"limit"_s;
        QTest::newRow("read-only folder") << u"readonly"_s;
        QTest::newRow("stopped after the new file is complete, before it replaces the old") << u"hook"_s;
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, how);
        if (how == u"readonly" && ::geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        QTemporaryDir dir;
        const QString path = dir.filePath(u"p.ini"_s);
        const QByteArray old("[s]\r\nk=old\r\n");
        putFile(path, old);
        QString message;
        if (how == u"limit") {
            FileSizeLimit limit(4096);
            message = errorOf([&] { rova::fileio::writeAtomically(path, QByteArray(65536, 'x')); });
        } else if (how == u"hook") {
            rova::fileio::setBeforeReplaceHook([] { throw rova::Error(u"stopped"_s); });
            message = errorOf([&] { rova::fileio::writeAtomically(path, QByteArray(65536, 'x')); });
            rova::fileio::setBeforeReplaceHook({});
        } else {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            message = errorOf([&] { rova::fileio::writeAtomically(path, "new"); });
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(message, u"File access denied\n"_s + path);
        }
        QVERIFY(!message.isEmpty());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"p.ini"_s});
    }
};

QTEST_GUILESS_MAIN(TestFileIo)
#include "test_fileio.moc"
