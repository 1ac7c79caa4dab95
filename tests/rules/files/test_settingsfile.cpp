// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/settingsfile.h"

#include "rules/files/fileio.h"
#include "rules/files/profile.h"
#include "rules/text/cp932.h"
#include "support/readonlyfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using rova::Settings;
Q_DECLARE_METATYPE(rova::Settings)

namespace rova
{
char* toString(const Settings& s)
{
    const QStringList values{QString::number(s.tabMy),
                             QString::number(s.comboBoxSel),
                             QString::number(s.addrFont),
                             s.sender.zip,
                             s.sender.add1,
                             s.sender.add2,
                             s.sender.name,
                             s.sender.tel,
                             s.zip,
                             s.add1,
                             s.add2,
                             s.custo1,
                             s.tel,
                             s.g1,
                             s.g2,
                             s.g3,
                             s.kosuu};
    return QTest::toString(values.join(" | "));
}
} // namespace rova

namespace
{
Settings with(const std::function<void(Settings&)>& change)
{
    Settings s;
    change(s);
    return s;
}

const QByteArray kFirstRunFile = "[rv_YAMATOprn]\r\n"
                                 "Addr_Font=1\r\n"
                                 "E_ZIP=\r\nE_AD1=\r\nE_AD2=\r\nE_CUS=\r\nE_TEL=\r\n"
                                 "E_G1=\r\nE_G2=\r\nE_G3=\r\n"
                                 "KOSUU3=1\r\n"
                                 "OP023My=\r\nOP023MyZip=\r\nOP023MyADD1=\r\nOP023MyADD2=\r\nOP023MyTEL=\r\n"
                                 "ComboBox_SEL=0\r\n"
                                 "Tab_My=0\r\n";
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir* m_dir = nullptr;

    QString path() const { return m_dir->filePath(Settings::fileName()); }
    void putFile(const QByteArray& bytes)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray fileBytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    Settings loaded() const
    {
        Settings s;
        s.load(rova::ProfileFile(path()));
        return s;
    }

private slots:
    void init() { m_dir = new QTemporaryDir; }
    void cleanup() { delete m_dir; }

    void load_data()
    {
        QTest::addColumn<QString>("ini"); // null: no file at all
        QTest::addColumn<Settings>("expected");
        QTest::newRow("first run, no file: defaults") << QString() << Settings{};
        QTest::newRow("file without the section: defaults") << "[other]\r\nTab_My=3\r\nKOSUU3=9\r\n"
                                                            << Settings{};
        QTest::newRow("hand-edited sender postal code key in lower case with blanks")
            << "[rv_YAMATOprn]\r\n  op023myzip  =  100-0001\r\n"
            << with([](Settings& s) { s.sender.zip = "100-0001"; });
        QTest::newRow("section name in another case with blanks")
            << "[ RV_yamatoPRN ]\r\nE_G1=りんご\r\n"
            << with([](Settings& s) { s.g1 = "りんご"; });
        QTest::newRow("stored value with blanks at its ends comes back without them")
            << "[rv_YAMATOprn]\r\nE_AD1=  東京都千代田区\t \r\nE_CUS=\"  山田　太郎  \"\r\n"
            << with([](Settings& s) {
                   s.add1 = "東京都千代田区";
                   s.custo1 = "  山田　太郎  ";
               });
        QTest::newRow("count under KOSUU when KOSUU3 is missing") << "[rv_YAMATOprn]\nKOSUU=5\n"
                                                                  << with([](Settings& s) { s.kosuu = "5"; });
        QTest::newRow("KOSUU3 wins over KOSUU") << "[rv_YAMATOprn]\nKOSUU=5\nKOSUU3=12\n"
                                                << with([](Settings& s) { s.kosuu = "12"; });
        QTest::newRow("empty KOSUU3 is an empty count, not the default")
            << "[rv_YAMATOprn]\nKOSUU3=\n"
            << with([](Settings& s) { s.kosuu = ""; });
        QTest::newRow("out-of-range indexes come back as stored")
            << "[rv_YAMATOprn]\r\nTab_My=12\r\nComboBox_SEL=-1\r\nAddr_Font=3\r\n"
            << with([](Settings& s) {
                   s.tabMy = 12;
                   s.comboBoxSel = -1;
                   s.addrFont = 3;
               });
        QTest::newRow("indexes that are no integer read as the defaults")
            << "[rv_YAMATOprn]\r\nTab_My=1.5\r\nComboBox_SEL=abc\r\nAddr_Font=\r\n"
            << Settings{};
        QTest::newRow("hexadecimal indexes") << "[rv_YAMATOprn]\r\nTab_My=0x9\r\nComboBox_SEL=$5\r\n"
                                             << with([](Settings& s) {
                                                    s.tabMy = 9;
                                                    s.comboBoxSel = 5;
                                                });
    }
    void load()
    {
        QFETCH(QString, ini);
        QFETCH(Settings, expected);
        if (!ini.isNull())
            putFile(rova::cp932::toBytes(ini));
        QCOMPARE(loaded(), expected);
    }

    void firstRunWritesTheSectionWithItsSeventeenKeys()
    {
        rova::ProfileFile file(path());
        Settings{}.save(file, Settings{});
        QCOMPARE(fileBytes(), kFirstRunFile);
    }

    void savedValuesComeBack()
    {
        const Settings s = with([](Settings& s) {
            s.tabMy = 2;
            s.comboBoxSel = 5;
            s.addrFont = 0;
            s.sender = {"530-0001", "大阪府大阪市北区", "梅田１－１", "ソ表商店", "06-1111-2222"};
            s.zip = "100-0001";
            s.add1 = "東京都千代田区";
            s.add2 = "千代田１－１";
            s.custo1 = "山田　太郎";
            s.tel = "03-1234-5678";
            s.g1 = "りんご";
            s.g2 = "";
            s.g3 = "ﾐｶﾝ";
            s.kosuu = "999";
        });
        rova::ProfileFile file(path());
        s.save(file, Settings{});
        QCOMPARE(loaded(), s);
    }

    void countIsSavedUnderKosuu3()
    {
        putFile("[rv_YAMATOprn]\r\nKOSUU=5\r\n");
        rova::ProfileFile file(path());
        with([](Settings& s) { s.kosuu = "8"; }).save(file, loaded());
        QVERIFY(fileBytes().contains("\r\nKOSUU3=8\r\n"));
        QCOMPARE(loaded().kosuu, QStringLiteral("8"));
    }

    void unsavableCharacters_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file yet
        QTest::newRow("first run") << QByteArray();
        QTest::newRow("earlier run: its values do not come back")
            << QByteArray("[rv_YAMATOprn]\r\nE_CUS=old\r\nE_G2=old\r\n");
    }
    // The fields are named before anything is written; the save then keeps what the file can hold of
    // each, so every key is written and no value of an earlier run stands in for one.
    void unsavableCharacters()
    {
        QFETCH(QByteArray, before);
        if (!before.isNull())
            putFile(before);
        const Settings s = with([](Settings& s) {
            s.add2 = "千代田\r\n１－１";
            s.custo1 = "𠮷野　一郎";
            s.g2 = "☎";
            s.sender.name = "𠮷田商店";
            s.tel = "03-1234-5678";
            s.tabMy = 4;
        });
        const Settings asLoaded = loaded();
        try {
            s.checkSavable(asLoaded);
            QFAIL("no error raised");
        } catch (const rova::UnsavableFieldsError& e) {
            QCOMPARE(e.fields(), QStringList({"お届け先のおところ②", "お届け先のおなまえ", "品名2",
                                              "ご依頼主のおなまえ"}));
            QCOMPARE(e.message(), "お届け先のおところ②、お届け先のおなまえ、品名2、ご依頼主のおなまえ\n" +
                                      rova::errtext::unencodable("𠮷☎、改行"));
        }
        QCOMPARE(fileBytes(), before.isNull() ? QByteArray("<missing>") : before);

        rova::ProfileFile file(path());
        s.save(file, asLoaded);
        QVERIFY2(!fileBytes().contains('?'), "no placeholder may reach the file");
        QCOMPARE(fileBytes().count('='), 17);
        const Settings after = loaded();
        QCOMPARE(after.custo1, QStringLiteral("野　一郎"));
        QCOMPARE(after.add2, QStringLiteral("千代田１－１"));
        QCOMPARE(after.g2, QString());
        QCOMPARE(after.sender.name, QStringLiteral("田商店"));
        QCOMPARE(after.tel, s.tel);
        QCOMPARE(after.tabMy, s.tabMy);
    }

    void savableTextsRaiseNothing()
    {
        const Settings s = with([](Settings& s) {
            s.custo1 = "髙橋　①";
            s.g1 = "ﾐｶﾝ";
        });
        s.checkSavable(Settings{});
    }

    // What the operator left alone goes back with the bytes it was read with; only changed keys and
    // missing ones are written.
    void untouchedValuesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray rest = "E_ZIP=\r\nE_AD2=\r\nE_TEL=\r\nE_G1=\r\nE_G2=\r\nE_G3=\r\nKOSUU3=1\r\n"
                                "OP023My=\r\nOP023MyZip=\r\nOP023MyADD1=\r\nOP023MyADD2=\r\nOP023MyTEL=\r\n"
                                "ComboBox_SEL=0\r\nAddr_Font=1\r\n";
        QTest::newRow("a lone lead byte at the end of an untouched value")
            << "[rv_YAMATOprn]\r\nE_AD1=\x93\x8c\x8b\x9e\x93\r\nE_CUS=old\r\nTab_My=0\r\n" + rest
            << "[rv_YAMATOprn]\r\nE_AD1=\x93\x8c\x8b\x9e\x93\r\nE_CUS=new\r\nTab_My=0\r\n" + rest;
        QTest::newRow("quotes, blanks and a lone LF line end of untouched values")
            << "[rv_YAMATOprn]\nE_AD1= \"  a  \" \nE_CUS=old\nTab_My=$0\n" + rest
            << "[rv_YAMATOprn]\nE_AD1= \"  a  \" \nE_CUS=new\r\nTab_My=$0\n" + rest;
        QTest::newRow("missing keys added, the untouched present ones kept")
            << QByteArray("[rv_YAMATOprn]\r\nE_AD1=\x82\r\nE_CUS=old")
            << QByteArray("[rv_YAMATOprn]\r\nE_AD1=\x82\r\nE_CUS=new\r\nAddr_Font=1\r\nE_ZIP=\r\nE_AD2=\r\n"
                          "E_TEL=\r\nE_G1=\r\nE_G2=\r\nE_G3=\r\nKOSUU3=1\r\nOP023My=\r\nOP023MyZip=\r\n"
                          "OP023MyADD1=\r\nOP023MyADD2=\r\nOP023MyTEL=\r\nComboBox_SEL=0\r\nTab_My=0\r\n");
    }
    void untouchedValuesKeepTheirBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        putFile(before);
        const Settings asLoaded = loaded();
        Settings now = asLoaded;
        now.custo1 = "new";
        now.checkSavable(asLoaded); // an untouched value the file cannot hold is not the operator's to mend
        rova::ProfileFile file(path());
        now.save(file, asLoaded);
        QCOMPARE(fileBytes(), after);
    }

    // The 17 keys replace the file once: stopped just before, the old file is whole.
    void saveIsOneReplacement()
    {
        const QByteArray before = "[other]\r\nx=1\r\n[rv_YAMATOprn]\r\nE_ZIP=100\r\nE_AD1=old\r\n";
        putFile(before);
        const Settings asLoaded = loaded();
        const Settings now = with([](Settings& s) {
            s.zip = "530-0001";
            s.add1 = "大阪府";
            s.tabMy = 3;
        });
        int replacements = 0;
        rova::fileio::setBeforeReplaceHook([&] {
            ++replacements;
            throw rova::Error("stopped");
        });
        rova::ProfileFile file(path());
        QVERIFY_THROWS_EXCEPTION(rova::Error, now.save(file, asLoaded));
        rova::fileio::setBeforeReplaceHook({});
        QCOMPARE(replacements, 1);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{Settings::fileName()});
    }

    // A file that exists but cannot be read is named; the values are the defaults and a save leaves it.
    void unreadableFileIsNamed_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a link to itself") << "loop"
                                          << "Too many levels of symbolic links";
        QTest::newRow("larger than any settings file") << "large" << rova::errtext::fileTooLarge();
    }
    void unreadableFileIsNamed()
    {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        if (how == "loop") {
            QCOMPARE(::symlink(qPrintable(Settings::fileName()), qPrintable(path())), 0);
        } else {
            QFile f(path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(rova::fileio::kMaxFileBytes + 1));
        }
        Settings s;
        try {
            s.load(rova::ProfileFile(path()));
            QFAIL("no error raised");
        } catch (const rova::FileError& e) {
            QCOMPARE(e.message(), reason + '\n' + path());
        }
        QCOMPARE(s, Settings{});
        const QFileInfo before(path());
        rova::ProfileFile file(path());
        QVERIFY_THROWS_EXCEPTION(rova::Error, with([](Settings& s) { s.zip = "1"; }).save(file, Settings{}));
        QCOMPARE(QFileInfo(path()).size(), before.size());
        QCOMPARE(QFileInfo(path()).isSymLink(), how == "loop");
    }

    void readOnlyFolderReportsTheFile()
    {
        ReadOnlyFolder folder(m_dir->path());
        if (!folder.refusesWrites())
            QSKIP("this machine cannot make a folder read-only for this user");
        rova::ProfileFile file(path());
        try {
            Settings{}.save(file, Settings{});
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), rova::errtext::cannotWrite(path()) + "\nFile access denied");
        }
        QVERIFY(!QFile::exists(path()));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
