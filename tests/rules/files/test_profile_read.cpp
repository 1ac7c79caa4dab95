// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/profile.h"
#include "rules/text/cp932.h"
#include "support/tempfiles.h"
#include "support/vectors.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using rova::test::putFile;

namespace
{
// Writes `bytes` as the profile file, or leaves it missing when `exists` is false.
QString placeFile(const QTemporaryDir& dir, bool exists, const QByteArray& bytes)
{
    const QString path = dir.filePath(u"test.ini"_s);
    if (exists)
        putFile(path, bytes);
    return path;
}

QByteArray longFileBytes()
{
    for (const QJsonValue& g : rova::test::readJsonArray(u"profile-read.json"_s)) {
        if (g["case"].toString() == u"read_long")
            return QByteArray::fromHex(g["file_hex"].toString().toLatin1());
    }
    qFatal("profile-read.json has no read_long group");
}
} // namespace

class TestProfileRead : public QObject
{
    Q_OBJECT
private slots:
    void referenceReads_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("valueBytes");
        int reads = 0;
        for (const QJsonValue& g : rova::test::readJsonArray(u"profile-read.json"_s)) {
            const QJsonValue hex = g["file_hex"];
            const QByteArray file = QByteArray::fromHex(hex.toString().toLatin1());
            int n = 0;
            for (const QJsonValue& r : g["reads"].toArray()) {
                const QString name =
                    u"%1 #%2 [%3] %4: %5"_s.arg(g["case"].toString())
                        .arg(++n)
                        .arg(r["section"].toString(), r["key"].toString(), r["note"].toString());
                QTest::newRow(qPrintable(name))
                    << !hex.isNull() << file << r["section"].toString() << r["key"].toString()
                    << r["default"].toString() << r["value"].toString()
                    << QByteArray::fromHex(r["value_hex"].toString().toLatin1());
                ++reads;
            }
        }
        QVERIFY(reads >= 100);
    }
    void referenceReads()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, fallback);
        QFETCH(QString, value);
        QFETCH(QByteArray, valueBytes);
        QTemporaryDir dir;
        const rova::ProfileFile profile(placeFile(dir, exists, file));
        const QString read = profile.readString(section, key, fallback);
        QCOMPARE(read, value);
        QCOMPARE(rova::cp932::toBytes(read), valueBytes);
    }

    // The cap never splits a double-byte character: the last whole one within 2047 bytes ends it.
    void capKeepsWholeCharacters_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString kan = u"漢"_s; // 0x8ABF
        QTest::newRow("1024 double-byte (2048 bytes): 1023 kept") << u"k2048"_s << kan.repeated(1023);
        QTest::newRow("'a' + 1023 double-byte, exactly 2047 bytes")
            << u"a_k1023"_s << u"a"_s + kan.repeated(1023);
        QTest::newRow("'a' + 1024 double-byte: 'a' + 1023 kept")
            << u"a_k1024"_s << u"a"_s + kan.repeated(1023);
        QTest::newRow("1024 double-byte + 'a': 1023 kept (2046 bytes)") << u"k1024_a"_s << kan.repeated(1023);
        QTest::newRow("1100 double-byte: 1023 kept") << u"k1100"_s << kan.repeated(1023);
    }
    void capKeepsWholeCharacters()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const rova::ProfileFile profile(placeFile(dir, true, longFileBytes()));
        QCOMPARE(profile.readString(u"long"_s, key, u"dflt"_s), value);
    }

    void brokenBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("lone lead byte before the line end does not swallow the next line")
            << QByteArray("[s]\r\na=x\x83\r\nb=2\r\n") << u"b"_s << u"2"_s;
        QTest::newRow("lead byte before '=' does not hide it")
            << QByteArray("[s]\r\n\x83=v\r\nk=w\r\n") << u"k"_s << u"w"_s;
        QTest::newRow("undefined single bytes in another line")
            << QByteArray("[s]\r\n\x80\xa0\xfd=?\r\nk=w\r\n") << u"k"_s << u"w"_s;
    }
    void brokenBytes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        QCOMPARE(rova::ProfileFile(placeFile(dir, true, file)).readString(u"s"_s, key, u"dflt"_s), value);
    }

    void readInt_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << QByteArray("n=25") << 25;
        QTest::newRow("negative decimal") << QByteArray("n=-12") << -12;
        QTest::newRow("blanks around") << QByteArray("n =  7  ") << 7;
        QTest::newRow("quoted") << QByteArray("n='12'") << 12;
        QTest::newRow("0x hexadecimal") << QByteArray("n=0x1F") << 31;
        QTest::newRow("0X hexadecimal") << QByteArray("n=0X1f") << 31;
        QTest::newRow("0x with one digit") << QByteArray("n=0x1") << 1;
        QTest::newRow("dollar hexadecimal") << QByteArray("n=$FF") << 255;
        QTest::newRow("bare 0x: default") << QByteArray("n=0x") << -99;
        QTest::newRow("bare dollar: default") << QByteArray("n=$") << -99;
        QTest::newRow("letters: default") << QByteArray("n=12a") << -99;
        QTest::newRow("decimals: default") << QByteArray("n=1.5") << -99;
        QTest::newRow("empty: default") << QByteArray("n=") << -99;
        QTest::newRow("too large: default") << QByteArray("n=2147483648") << -99;
        QTest::newRow("full-width digits: default") << QByteArray("n=\x82\x50\x82\x51") << -99;
        QTest::newRow("missing key: default") << QByteArray("m=1") << -99;
    }
    void readInt()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, value);
        QTemporaryDir dir;
        const rova::ProfileFile profile(placeFile(dir, true, "[s]\r\n" + line + "\r\n"));
        QCOMPARE(profile.readInt(u"s"_s, u"n"_s, -99), value);
    }

    void missingFileReadsIntFallback()
    {
        QTemporaryDir dir;
        QCOMPARE(rova::ProfileFile(dir.filePath(u"none.ini"_s)).readInt(u"rv_YAMATOprn"_s, u"Addr_Font"_s, 1),
                 1);
    }

    void unencodableQueryFindsNothing()
    {
        QTemporaryDir dir;
        // 0xFCFC is what an encoder might put in for such a character; it must not match.
        const rova::ProfileFile profile(placeFile(dir, true, "[s]\r\n\xfc\xfc=v\r\n"));
        QCOMPARE(profile.readString(u"s"_s, u"𠮷"_s, u"dflt"_s), u"dflt"_s);
    }
};

QTEST_GUILESS_MAIN(TestProfileRead)
#include "test_profile_read.moc"
