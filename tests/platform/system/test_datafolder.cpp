// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder: which one is chosen, and what a folder that cannot be used tells the operator.

#include "platform/system/datafolder.h"
#include "support/readonlyfolder.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace rova;

Q_DECLARE_METATYPE(rova::datafolder::Source)

class TestDataFolder : public QObject
{
    Q_OBJECT

    static QString mode(const QString& path)
    {
        struct stat st {
        };
        ::stat(QFile::encodeName(path).constData(), &st);
        return QString::number(st.st_mode & 07777, 8);
    }

private slots:
    void chosen_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("path");
        QTest::addColumn<datafolder::Source>("source");
        using S = datafolder::Source;
        QTest::newRow("option wins over the variable") << "/srv/old"
                                                       << "/var/rova"
                                                       << "/cfg"
                                                       << "/srv/old" << S::Option;
        QTest::newRow("relative option from the working folder") << "copy/../kept"
                                                                 << ""
                                                                 << ""
                                                                 << "/srv/shop/kept" << S::Option;
        QTest::newRow("variable without option") << ""
                                                 << "/var/rova/"
                                                 << "/cfg"
                                                 << "/var/rova" << S::Environment;
        QTest::newRow("relative variable from the working folder") << ""
                                                                   << "old"
                                                                   << ""
                                                                   << "/srv/shop/old" << S::Environment;
        QTest::newRow("default under XDG_CONFIG_HOME") << ""
                                                       << ""
                                                       << "/cfg"
                                                       << "/cfg/rova-yamato" << S::Default;
        QTest::newRow("default without XDG_CONFIG_HOME") << ""
                                                         << ""
                                                         << ""
                                                         << "/home/op/.config/rova-yamato" << S::Default;
        QTest::newRow("relative XDG_CONFIG_HOME counts as unset")
            << ""
            << ""
            << "cfg"
            << "/home/op/.config/rova-yamato" << S::Default;
    }
    void chosen()
    {
        QFETCH(QString, option);
        QFETCH(QString, variable);
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, path);
        QFETCH(datafolder::Source, source);
        const datafolder::Environment env{variable, xdgConfigHome, QStringLiteral("/home/op"),
                                          QStringLiteral("/srv/shop")};
        const datafolder::Choice choice = datafolder::choose(option, env);
        QCOMPARE(choice.path, path);
        QCOMPARE(choice.source, source);
    }

    void missingFolderIsCreatedPrivateWithItsParents()
    {
        QTemporaryDir dir;
        const QString parent = dir.filePath(QStringLiteral("config"));
        const QString folder = parent + QStringLiteral("/rova-yamato");
        QCOMPARE(datafolder::prepare(folder), QString());
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(mode(folder), QStringLiteral("700"));
        QCOMPARE(mode(parent), QStringLiteral("700"));
        QVERIFY2(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 "the write check left a file behind");
    }

    void existingFolderKeepsItsModeAndFiles()
    {
        QTemporaryDir dir;
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        const QByteArray bytes("[rv_YAMATOprn]\r\nE_CUS=\x8c\xa9\x96\x7b\r\n");
        test::putFile(dir.filePath(QStringLiteral("rova_Yamato.ini")), bytes);
        QCOMPARE(datafolder::prepare(dir.path()), QString());
        QCOMPARE(mode(dir.path()), QStringLiteral("755"));
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("rova_Yamato.ini"))), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 1);
    }

    void unusableFolderIsNamed_data()
    {
        QTest::addColumn<QString>("inside"); // the folder, relative to a read-only one
        QTest::addColumn<QString>("says");
        QTest::newRow("cannot be written") << ""
                                           << "に書き込めません";
        QTest::newRow("cannot be created") << "new/rova-yamato"
                                           << "を作成できません";
    }
    void unusableFolderIsNamed()
    {
        QFETCH(QString, inside);
        QFETCH(QString, says);
        QTemporaryDir dir;
        ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.refusesWrites())
            QSKIP("this machine cannot make a folder read-only");
        const QString folder = inside.isEmpty() ? dir.path() : dir.filePath(inside);
        const QString message = datafolder::prepare(folder);
        QVERIFY2(message.startsWith(QStringLiteral("データフォルダ %1 %2").arg(folder, says)),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("保存されません")), qPrintable(message));
    }

    void fileInThePlaceOfTheFolderIsNamed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rova-yamato"));
        test::putFile(path, "not a folder");
        const QString message = datafolder::prepare(path);
        QVERIFY2(message.startsWith(
                     QStringLiteral("データフォルダ %1 に書き込めません (フォルダではありません)").arg(path)),
                 qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
