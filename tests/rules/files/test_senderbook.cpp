// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/senderbook.h"

#include "support/readonlyfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rova::Sender;
Q_DECLARE_METATYPE(rova::Sender)

namespace rova
{
char* toString(const Sender& s)
{
    return QTest::toString(QStringList{s.zip, s.add1, s.add2, s.name, s.tel}.join(" | "));
}
} // namespace rova

namespace
{
QByteArray fileBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void putFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const Sender kYamada{"100-0001", "東京都千代田区", "", "山田　太郎", "03-1234-5678"};
const QByteArray kYamadaBytes = QByteArray::fromHex("3130302d303030310d0a"             // 100-0001
                                                    "938c8b9e937390e791e393638be60d0a" // 東京都千代田区
                                                    "0d0a"                             // (empty)
                                                    "8e529363814091be98590d0a"         // 山田　太郎
                                                    "30332d313233342d353637380d0a");   // 03-1234-5678
} // namespace

class TestSenderBook : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir* m_dir = nullptr;
    QString m_previous;

private slots:
    void init()
    {
        m_previous = QDir::currentPath();
        m_dir = new QTemporaryDir;
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_previous);
        delete m_dir;
    }

    void fileNames_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::newRow("依頼主1 is my0.txt") << 0 << "my0.txt";
        QTest::newRow("依頼主3 is my2.txt") << 2 << "my2.txt";
        QTest::newRow("依頼主10 is my9.txt") << 9 << "my9.txt";
    }
    void fileNames()
    {
        QFETCH(int, slot);
        QFETCH(QString, name);
        QCOMPARE(rova::senderbook::fileName(slot), name);
    }

    void noSlotSelected_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("negative Tab_My") << -1;
        QTest::newRow("Tab_My past the last tab") << 10;
    }
    void noSlotSelected()
    {
        QFETCH(int, slot);
        QVERIFY(!rova::senderbook::isSlot(slot));
        for (const auto& operation :
             {std::function<void()>([&] { rova::senderbook::read(QStringLiteral("."), slot); }),
              std::function<void()>([&] { rova::senderbook::write(QStringLiteral("."), slot, kYamada); })}) {
            try {
                operation();
                QFAIL("no error raised");
            } catch (const rova::Error& e) {
                QCOMPARE(e.message(), QStringLiteral("TabErr"));
            }
        }
        QCOMPARE(QDir().entryList(QDir::Files), QStringList());
    }

    void registerSlot3WritesMy2ByteForByte()
    {
        rova::senderbook::write(QStringLiteral("."), 2, kYamada);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"my2.txt"});
        QCOMPARE(fileBytes("my2.txt"), kYamadaBytes);
        QCOMPARE(rova::senderbook::read(QStringLiteral("."), 2), kYamada);
    }

    void registerReplacesTheEarlierSender()
    {
        putFile("my4.txt", "old\r\nold\r\nold\r\nold\r\nold\r\nsixth line\r\n");
        rova::senderbook::write(QStringLiteral("."), 4, kYamada);
        QCOMPARE(fileBytes("my4.txt"), kYamadaBytes);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Sender>("sender");
        QTest::newRow("five CR LF lines, one empty, come back exactly") << kYamadaBytes << kYamada;
        QTest::newRow("LF line ends") << QByteArray("1\n2\n3\n4\n5\n") << Sender{"1", "2", "3", "4", "5"};
        QTest::newRow("two lines fill two fields, the other three empty")
            << QByteArray("100-0001\r\nA\r\n") << Sender{"100-0001", "A", "", "", ""};
        QTest::newRow("last line without a line break")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5") << Sender{"1", "2", "3", "4", "5"};
        QTest::newRow("a lone CR is dropped from the text")
            << QByteArray("10\r0-0001\r\n\r\r\n3\r\n4\r\n5\r\n") << Sender{"100-0001", "", "3", "4", "5"};
        QTest::newRow("lines after the fifth are ignored")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n") << Sender{"1", "2", "3", "4", "5"};
        QTest::newRow("empty file empties every field") << QByteArray() << Sender{};
        QTest::newRow("a file of nothing but line breaks, far past the fifth")
            << QByteArray(1000000, '\n') << Sender{};
        QTest::newRow("a long tail after the fifth line is not read")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n") + QByteArray(1000000, 'x')
            << Sender{"1", "2", "3", "4", "5"};
        QTest::newRow("blanks are kept, nothing is trimmed")
            << QByteArray(" 1 \r\n\t2\r\n3\r\n4\r\n5 \r\n") << Sender{" 1 ", "\t2", "3", "4", "5 "};
        QTest::newRow("double-byte characters ending in 0x5C and half-width katakana")
            << QByteArray::fromHex("835c955c0d0ad4cfc40d0a0d0a0d0a0d0a") << Sender{"ソ表", "ﾔﾏﾄ", "", "", ""};
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Sender, sender);
        putFile("my7.txt", bytes);
        QCOMPARE(rova::senderbook::read(QStringLiteral("."), 7), sender);
    }

    void unregisteredSlotIsFileNotFound()
    {
        putFile("my1.txt", kYamadaBytes);
        try {
            rova::senderbook::read(QStringLiteral("."), 0);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), "File not found\n" + QDir::current().filePath("my0.txt"));
        }
    }

    void unsavableCharacters_data()
    {
        QTest::addColumn<Sender>("sender");
        QTest::addColumn<QString>("message");
        QTest::newRow("name outside code page 932")
            << Sender{"100-0001", "東京都", "", "𠮷野　一郎", "03"}
            << "ご依頼主のおなまえ\n" + rova::errtext::unencodable("𠮷");
        QTest::newRow("two fields, one character named once")
            << Sender{"", "𠮷田町", "", "𠮷野", "☎"}
            << "ご依頼主のおところ①、ご依頼主のおなまえ、ご依頼主のでんわ\n" +
                   rova::errtext::unencodable("𠮷☎");
        QTest::newRow("address pasted with a line break would split the file's lines")
            << Sender{"100-0001", "東京都\r\n千代田区", "", "山田", "03"}
            << "ご依頼主のおところ①\n" + rova::errtext::unencodable("改行");
        QTest::newRow("line break and unencodable character together")
            << Sender{"100\n0001", "", "", "𠮷野", ""}
            << "ご依頼主の郵便番号、ご依頼主のおなまえ\n" + rova::errtext::unencodable("𠮷、改行");
    }
    void unsavableCharacters()
    {
        QFETCH(Sender, sender);
        QFETCH(QString, message);
        putFile("my5.txt", kYamadaBytes);
        try {
            rova::senderbook::write(QStringLiteral("."), 5, sender);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), message);
        }
        try {
            rova::senderbook::write(QStringLiteral("."), 6, sender);
            QFAIL("no error raised");
        } catch (const rova::Error&) {
        }
        QCOMPARE(fileBytes("my5.txt"), kYamadaBytes);
        QVERIFY(!QFile::exists("my6.txt"));
    }

    void readOnlyFolderRefusesRegistration()
    {
        putFile("my3.txt", kYamadaBytes);
        ReadOnlyFolder folder(m_dir->path());
        if (!folder.refusesWrites())
            QSKIP("this machine cannot make a folder read-only for this user");
        try {
            rova::senderbook::write(QStringLiteral("."), 3, Sender{"1", "2", "3", "4", "5"});
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), "File access denied\n" + QDir::current().filePath("my3.txt"));
        }
        QCOMPARE(fileBytes("my3.txt"), kYamadaBytes);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"my3.txt"});
    }
};

QTEST_GUILESS_MAIN(TestSenderBook)
#include "test_senderbook.moc"
