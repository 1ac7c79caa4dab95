// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"
#include "rules/files/profile.h"
#include "support/tempfiles.h"
#include "support/vectors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using rova::test::fileBytes;
using rova::test::putFile;

class TestProfileWrite : public QObject
{
    Q_OBJECT
private slots:
    void referenceWrites_data()
    {
        QTest::addColumn<QJsonArray>("steps");
        for (const QJsonValue& g : rova::test::readJsonArray(u"profile-write.json"_s))
            QTest::newRow(qPrintable(g["desc"].toString())) << g["steps"].toArray();
    }
    void referenceWrites()
    {
        QFETCH(QJsonArray, steps);
        QTemporaryDir dir;
        rova::ProfileFile profile(dir.filePath(u"rova_a500.ini"_s));
        int checked = 0;
        for (const QJsonValue& s : steps) {
            profile.writeString(s["section"].toString(), s["key"].toString(), s["value"].toString());
            if (s["file_after_hex"].isString()) {
                QCOMPARE(fileBytes(profile.path()),
                         QByteArray::fromHex(s["file_after_hex"].toString().toLatin1()));
                ++checked;
            }
        }
        QVERIFY(checked > 0);
    }

    // Changes made together give the file that the same changes made one by one give.
    void changesTogetherAsOneByOne_data() { referenceWrites_data(); }
    void changesTogetherAsOneByOne()
    {
        QFETCH(QJsonArray, steps);
        QTemporaryDir dir;
        rova::ProfileFile oneByOne(dir.filePath(u"one.ini"_s));
        rova::ProfileFile together(dir.filePath(u"together.ini"_s));
        rova::ProfileChanges changes;
        for (const QJsonValue& s : steps) {
            oneByOne.writeString(s["section"].toString(), s["key"].toString(), s["value"].toString());
            changes.set(s["section"].toString(), s["key"].toString(), s["value"].toString());
        }
        together.write(changes);
        QCOMPARE(fileBytes(together.path()), fileBytes(oneByOne.path()));
    }

    // Several keys in one write: "=" sets a key, "?" adds it only where the file lacks it.
    void changesTogether_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("changes"); // "section|key=value" or "section|key?value"
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("keys of two sections, present and new, in their places")
            << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n")
            << QStringList{u"b|y=3"_s, u"a|z=4"_s, u"a|x=5"_s, u"c|w=6"_s}
            << QByteArray("[a]\r\nx=5\r\nz=4\r\n\r\n[b]\r\ny=3\r\n[c]\r\nw=6\r\n");
        QTest::newRow("a present key keeps its bytes, invalid ones too")
            << QByteArray("[s]\r\nk= \"\x82\" \r\nlast=\x93") << QStringList{u"s|k?new"_s, u"s|last?new"_s}
            << QByteArray("[s]\r\nk= \"\x82\" \r\nlast=\x93");
        QTest::newRow("a missing key is added with its value")
            << QByteArray("[s]\r\nk=1") << QStringList{u"s|k?2"_s, u"s|n?3"_s, u"t|m?4"_s}
            << QByteArray("[s]\r\nk=1\r\nn=3\r\n[t]\r\nm=4\r\n");
        QTest::newRow("the same value leaves the line and its line end as they are")
            << QByteArray("[s]\nk=1\nj=2") << QStringList{u"s|k=1"_s, u"s|j=2"_s}
            << QByteArray("[s]\nk=1\nj=2");
        QTest::newRow("the later change of a key wins, in the place of the first")
            << QByteArray("[s]\r\n") << QStringList{u"s|a=1"_s, u"s|b=2"_s, u"S|A=3"_s}
            << QByteArray("[s]\r\na=3\r\nb=2\r\n");
        QTest::newRow("a set after an add-if-missing wins")
            << QByteArray("[s]\r\nk=1\r\n") << QStringList{u"s|k?9"_s, u"s|k=2"_s}
            << QByteArray("[s]\r\nk=2\r\n");
    }
    void changesTogether()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, changes);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        rova::ProfileFile profile(dir.filePath(u"p.ini"_s));
        putFile(profile.path(), before);
        rova::ProfileChanges together;
        for (const QString& c : changes) {
            const qsizetype bar = c.indexOf(u'|');
            const qsizetype op = c.indexOf(QRegularExpression(u"[=?]"_s), bar);
            const QString section = c.left(bar);
            const QString key = c.mid(bar + 1, op - bar - 1);
            if (c[op] == u'=')
                together.set(section, key, c.mid(op + 1));
            else
                together.setIfMissing(section, key, c.mid(op + 1));
        }
        profile.write(together);
        QCOMPARE(fileBytes(profile.path()), after);
    }

    void existingFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("only the value changes; key spelling, blanks and other lines stay")
            << QByteArray("; head\n[s]\r\n  Key = old \r\nother = 1\n\r\n[t]\r\nKey=x\r\n") << u"s"_s
            << u"key"_s << u"new"_s
            << QByteArray("; head\n[s]\r\n  Key =new\r\nother = 1\n\r\n[t]\r\nKey=x\r\n");
        QTest::newRow("the first of duplicated keys is replaced")
            << QByteArray("[s]\r\nk=1\r\nk=2\r\n") << u"s"_s << u"k"_s << u"3"_s
            << QByteArray("[s]\r\nk=3\r\nk=2\r\n");
        QTest::newRow("section matched without regard to case")
            << QByteArray("[RV]\r\nk=1\r\n") << u"rv"_s << u"K"_s << u"2"_s << QByteArray("[RV]\r\nk=2\r\n");
        QTest::newRow("last line without line end is replaced")
            << QByteArray("[s]\r\nk=1") << u"s"_s << u"k"_s << u"2"_s << QByteArray("[s]\r\nk=2\r\n");
        QTest::newRow("new key after the section's last line, before the blank line")
            << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n") << u"a"_s << u"z"_s << u"3"_s
            << QByteArray("[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
        QTest::newRow("new key into a section at the end without line end")
            << QByteArray("[a]\r\nx=1") << u"a"_s << u"y"_s << u"2"_s << QByteArray("[a]\r\nx=1\r\ny=2\r\n");
        QTest::newRow("new key into an empty last section")
            << QByteArray("[a]") << u"a"_s << u"y"_s << u"2"_s << QByteArray("[a]\r\ny=2\r\n");
        QTest::newRow("new section after a file without final line end")
            << QByteArray("[a]\r\nx=1") << u"b"_s << u"y"_s << u"2"_s
            << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
        QTest::newRow("new section into an empty file")
            << QByteArray() << u"b"_s << u"y"_s << u"2"_s << QByteArray("[b]\r\ny=2\r\n");
        QTest::newRow("a key of a later section of the same name is left alone")
            << QByteArray("[d]\r\na=1\r\n[e]\r\n[d]\r\nk=old\r\n") << u"d"_s << u"k"_s << u"new"_s
            << QByteArray("[d]\r\na=1\r\nk=new\r\n[e]\r\n[d]\r\nk=old\r\n");
        QTest::newRow("section named by a character with trail byte ']'")
            << QByteArray("[\x83]]\r\nk=zo\r\n[x]\r\n") << u"ゾ"_s << u"k"_s << u"new"_s
            << QByteArray("[\x83]]\r\nk=new\r\n[x]\r\n");
        QTest::newRow("section named by a character with trail byte '['")
            << QByteArray("[\x83[]\r\nk=ze\r\n") << u"ゼ"_s << u"k2"_s << u"v"_s
            << QByteArray("[\x83[]\r\nk=ze\r\nk2=v\r\n");
        QTest::newRow("slip-type section and Japanese value")
            << QByteArray("[x]\r\n") << u"発払　着払(手差し)"_s << u"PrnName"_s << u"プリンタ　Ｂ"_s
            << QByteArray("[x]\r\n[\x94\xad\x95\xa5\x81\x40\x92\x85\x95\xa5(\x8e\xe8\x8d\xb7\x82\xb5)]\r\n"
                          "PrnName=\x83v\x83\x8a\x83\x93\x83^\x81\x40\x82\x61\r\n");
        QTest::newRow("U+3000 around a key is part of its name")
            << QByteArray("[s]\r\n") << u"s"_s << u"\u3000key\u3000"_s << u"v"_s
            << QByteArray("[s]\r\n\x81\x40key\x81\x40=v\r\n");
        QTest::newRow("blanks around names are dropped")
            << QByteArray("[s]\r\nk=1\r\n") << u" s\t"_s << u" k "_s << u"2"_s
            << QByteArray("[s]\r\nk=2\r\n");
        QTest::newRow("empty value gives nothing after '='")
            << QByteArray("[s]\r\nk=1\r\n") << u"s"_s << u"k"_s << QString() << QByteArray("[s]\r\nk=\r\n");
        QTest::newRow("bytes that are not text in other lines stay")
            << QByteArray("[s]\r\n\x80\xff\x83\r\nk=1\r\n") << u"s"_s << u"k"_s << u"2"_s
            << QByteArray("[s]\r\n\x80\xff\x83\r\nk=2\r\n");
    }
    void existingFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        rova::ProfileFile profile(dir.filePath(u"p.ini"_s));
        putFile(profile.path(), before);
        profile.writeString(section, key, value);
        QCOMPARE(fileBytes(profile.path()), after);
        QCOMPARE(profile.readString(section, key, u"dflt"_s), value);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"p.ini"_s});
    }

    void writeIntWritesDecimal_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("zero") << 0 << QByteArray("n=0\r\n");
        QTest::newRow("negative") << -1 << QByteArray("n=-1\r\n");
        QTest::newRow("int min") << int(-2147483648LL) << QByteArray("n=-2147483648\r\n");
    }
    void writeIntWritesDecimal()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        rova::ProfileFile profile(dir.filePath(u"p.ini"_s));
        profile.writeInt(u"s"_s, u"n"_s, value);
        QCOMPARE(fileBytes(profile.path()), "[s]\r\n" + line);
        QCOMPARE(profile.readInt(u"s"_s, u"n"_s, 99), value);
    }

    void failedWriteNamesTheFile_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("needsPermissions");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << u"missing/p.ini"_s << false << u"File not found"_s;
        QTest::newRow("target is a folder") << u"folder"_s << false << u"File access denied"_s;
        QTest::newRow("read-only folder") << u"readonly/p.ini"_s << true << u"File access denied"_s;
        QTest::newRow("a link to itself") << u"loop.ini"_s << false << u"Too many levels of symbolic links"_s;
    }
    void failedWriteNamesTheFile()
    {
        QFETCH(QString, relative);
        QFETCH(bool, needsPermissions);
        QFETCH(QString, reason);
        if (needsPermissions && ::geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        QTemporaryDir dir;
        QCOMPARE(::symlink("loop.ini", QFile::encodeName(dir.filePath(u"loop.ini"_s)).constData()), 0);
        QDir(dir.path()).mkdir(u"folder"_s);
        QDir(dir.path()).mkdir(u"folder/inside"_s); // a non-empty folder cannot be renamed over
        QDir(dir.path()).mkdir(u"readonly"_s);
        putFile(dir.filePath(u"readonly/p.ini"_s), "[s]\r\nk=old\r\n");
        QFile::setPermissions(dir.filePath(u"readonly"_s), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray before = fileBytes(dir.filePath(relative));

        // A relative name must come back as the full name.
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        rova::ProfileFile profile(relative);
        QString message;
        try {
            profile.writeString(u"s"_s, u"k"_s, u"new"_s);
        } catch (const rova::Error& e) {
            message = e.message();
        }
        QDir::setCurrent(saved);
        QFile::setPermissions(dir.filePath(u"readonly"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(message, dir.filePath(relative) + u" に書き込めません\n"_s + reason);
        QCOMPARE(fileBytes(dir.filePath(relative)), before);
    }

    void unencodableTextIsRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("characters");
        QTest::newRow("surrogate pair in the value") << u"s"_s << u"k"_s << u"𠮷野家"_s << u"𠮷"_s;
        QTest::newRow("wave dash U+301C in the value") << u"s"_s << u"k"_s << u"1〜2"_s << u"〜"_s;
        QTest::newRow("each character once, in order") << u"s"_s << u"k"_s << u"𠮷a−𠮷−"_s << u"𠮷−"_s;
        QTest::newRow("minus sign U+2212 in the section") << u"a−b"_s << u"k"_s << u"v"_s << u"−"_s;
        QTest::newRow("yen sign U+00A5 in the key") << u"s"_s << u"¥"_s << u"v"_s << u"¥"_s;
    }
    void unencodableTextIsRefused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, characters);
        QTemporaryDir dir;
        for (const QByteArray& before : {QByteArray(), QByteArray("[s]\r\nk=old\r\n")}) {
            rova::ProfileFile profile(dir.filePath(u"p.ini"_s));
            QFile::remove(profile.path());
            if (!before.isNull())
                putFile(profile.path(), before);
            try {
                profile.writeString(section, key, value);
                QFAIL("no error raised");
            } catch (const rova::UnencodableError& e) {
                QCOMPARE(e.characters(), characters);
                QCOMPARE(e.message(), u"保存できない文字が含まれています: "_s + characters);
            }
            QCOMPARE(QFileInfo::exists(profile.path()), !before.isNull());
            QCOMPARE(fileBytes(profile.path()), before);
        }
    }

    void lineBreaksAreRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("LF in the value would start a new line") << u"k"_s << u"a\n[x]"_s;
        QTest::newRow("CR in the value") << u"k"_s << u"a\rb"_s;
        QTest::newRow("LF in the key") << u"k\nj"_s << u"v"_s;
    }
    void lineBreaksAreRefused()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        rova::ProfileFile profile(dir.filePath(u"p.ini"_s));
        putFile(profile.path(), "[s]\r\nk=old\r\n");
        QVERIFY_THROWS_EXCEPTION(rova::Error, profile.writeString(u"s"_s, key, value));
        QCOMPARE(fileBytes(profile.path()), QByteArray("[s]\r\nk=old\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestProfileWrite)
#include "test_profile_write.moc"
