// SPDX-License-Identifier: GPL-3.0-or-later
// The form scans in the program's own settings file: kept per slip type beside the other settings,
// read back as written, and the defaults where nothing or nonsense is kept.

#include "rules/errors.h"
#include "rules/files/programsettings.h"
#include "rules/slip/sliplayout.h"
#include "support/readonlyfolder.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using rova::ProgramSettings;
using rova::slip::FormScan;
Q_DECLARE_METATYPE(FormScan)

class TestProgramSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramSettings settings() const { return ProgramSettings(m_dir->path()); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void scansRoundTripPerSlipType_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < rova::slip::slipTypes().size(); ++i)
            QTest::newRow(qPrintable(rova::slip::slipTypes()[i])) << i;
    }
    void scansRoundTripPerSlipType()
    {
        QFETCH(int, index);
        const QStringList& types = rova::slip::slipTypes();
        const auto scanOf = [](int i) {
            return FormScan{QStringLiteral("/用紙/%1 枚目.png").arg(i), 150 + 50 * i,
                            QPoint(-5 * i, 12 * i - 7)};
        };
        settings().setLastFolder(rova::FileKind::Pdf, QStringLiteral("/pdf"));
        for (int i = 0; i < types.size(); ++i)
            settings().setFormScan(types[i], scanOf(i));
        settings().removeFormScan(types[(index + 1) % types.size()]);

        QCOMPARE(settings().formScan(types[index]), scanOf(index));
        QCOMPARE(settings().formScan(types[(index + 1) % types.size()]), FormScan{});
        QCOMPARE(settings().lastFolder(rova::FileKind::Pdf), QStringLiteral("/pdf"));
    }

    // Each kind of file opens where the last one of its kind was picked, while that folder is there.
    void fileDialogsStartInTheFolderLastUsedForTheKind_data()
    {
        QTest::addColumn<QString>("kept"); // relative to the scratch folder; "-" keeps nothing
        QTest::addColumn<bool>("used");
        QTest::newRow("nothing kept: the documents folder") << "-" << false;
        QTest::newRow("folder kept and there") << "orders" << true;
        QTest::newRow("folder kept, since removed") << "gone" << false;
        QTest::newRow("the data folder itself: never") << "." << false;
    }
    void fileDialogsStartInTheFolderLastUsedForTheKind()
    {
        QFETCH(QString, kept);
        QFETCH(bool, used);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("orders")));
        const QString folder = QDir(m_dir->path()).filePath(kept);
        if (kept != u'-')
            settings().setLastFolder(rova::FileKind::Import, folder);
        settings().setLastFolder(rova::FileKind::Export,
                                 QDir(m_dir->path()).filePath(QStringLiteral("orders")));
        QCOMPARE(settings().startFolder(rova::FileKind::Import),
                 used ? folder : ProgramSettings::defaultFolder());
        QCOMPARE(settings().lastFolder(rova::FileKind::HistoryCsv), QString());
    }

    void defaults_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<FormScan>("expected");
        QTest::newRow("no file") << QByteArray() << FormScan{};
        QTest::newRow("resolution zero")
            << QByteArray("[formScans]\nA\\path=/a.png\nA\\dpi=0\n") << FormScan{"/a.png", 200, {}};
        QTest::newRow("resolution too high, offset not a number")
            << QByteArray("[formScans]\nA\\dpi=5000\nA\\offsetX=x\nA\\offsetY=-3\n")
            << FormScan{"", 200, {0, -3}};
    }
    void defaults()
    {
        QFETCH(QByteArray, file);
        QFETCH(FormScan, expected);
        QFile out(settings().path());
        if (!file.isNull())
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        QCOMPARE(settings().formScan(QStringLiteral("A")), expected);
    }

    // A damaged part of the old file is no failed write; a write that did not happen is one.
    void writeIsJudgedByTheWrite_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("readOnly");
        const QByteArray damaged("[formScans]\nA\\dpi=300\n[broken\nx=1\n");
        QTest::newRow("old file with a damaged section: written") << damaged << false;
        QTest::newRow("old file with a damaged section, folder read-only: failed") << damaged << true;
        QTest::newRow("sound old file, folder read-only: failed")
            << QByteArray("[pdf]\nlastFolder=/a\n") << true;
    }
    void writeIsJudgedByTheWrite()
    {
        QFETCH(QByteArray, old);
        QFETCH(bool, readOnly);
        rova::test::putFile(settings().path(), old);
        const FormScan scan{QStringLiteral("/b.png"), 300, {4, -2}};
        std::optional<ReadOnlyFolder> locked;
        if (readOnly && !locked.emplace(m_dir->path()).refusesWrites())
            QSKIP("this machine gives no way to make a folder read-only");
        QString error;
        try {
            settings().setFormScan(QStringLiteral("B"), scan);
        } catch (const rova::Error& e) {
            error = e.message();
        }
        QCOMPARE(error, readOnly ? rova::errtext::cannotWrite(settings().path()) : QString());
        if (readOnly)
            QCOMPARE(rova::test::fileBytes(settings().path()), old);
        else
            QCOMPARE(settings().formScan(QStringLiteral("B")), scan);
    }
};

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "test_programsettings.moc"
