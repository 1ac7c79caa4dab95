// The batch list from a script, through the real executable without a display: order files added
// with a line per file, duplicates left out unless allowed, a file that cannot be read named with
// nothing of it added, and the list printed with the exit status saying whether all was accepted.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QString sample(const QString& name)
{
    return QStringLiteral(ROVA_TEST_DATA "/orders/") + name;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};
} // namespace

class TestBatchCommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    Run run(QStringList arguments) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "ROVA_DATA_DIR", "XDG_CONFIG_HOME"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), m_dir->filePath(QStringLiteral("home")));
        // No scheduler: the built-in PDF printer is the only one.
        env.insert(QStringLiteral("CUPS_SERVER"), m_dir->filePath(QStringLiteral("no-cups.sock")));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ROVA_TEST_BIN "/rova-yamato"),
                      QStringList{QStringLiteral("--data-dir"), m_dir->filePath(QStringLiteral("data"))} +
                          arguments);
        if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
            return {};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("home"));
    }

    void importReportsEachFileAndSkipsDuplicates()
    {
        const QString rakuten = sample(QStringLiteral("rakuten.utf8.csv"));
        const QString amazon = sample(QStringLiteral("amazon.cp932.txt"));
        Run r = run({QStringLiteral("--import"), rakuten, amazon});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(
            r.out.contains(rakuten + QStringLiteral(": 追加 4 行、重複で除いた行 1、確認の印がある行 2\n")),
            qPrintable(r.out));
        QVERIFY2(r.out.contains(amazon + QStringLiteral(": 追加 3 行、重複で除いた行 0")), qPrintable(r.out));

        r = run({QStringLiteral("--import"), rakuten});
        QVERIFY2(r.out.contains(QStringLiteral(": 追加 0 行、重複で除いた行 5")), qPrintable(r.out));
        r = run({QStringLiteral("--import"), QStringLiteral("--allow-duplicates"), rakuten});
        QVERIFY2(r.out.contains(QStringLiteral(": 追加 5 行、重複で除いた行 0")), qPrintable(r.out));
    }

    void unreadableFileIsNamedAndAddsNothing()
    {
        const QString broken = m_dir->filePath(QStringLiteral("broken.csv"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("受注番号,送付先郵便番号1,送付先郵便番号2,送付先姓\r\n1,105,0011,\"山田\r\n");
        file.close();
        const QString own = sample(QStringLiteral("own.utf8.csv"));
        const Run r = run({QStringLiteral("--import"), broken, own});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(broken), qPrintable(r.err));
        QVERIFY2(!r.out.contains(broken) && r.out.contains(own + QStringLiteral(": 追加 2 行")),
                 qPrintable(r.out));
    }

    void printBatchPrintsTheTickedRowsOnce()
    {
        // Printers are never chosen from a list the print server did not give, the built-in PDF
        // printer included; the batch print itself is covered against the fake print system.
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (!lpstat.waitForFinished() || !lpstat.readAllStandardOutput().contains("scheduler is running"))
            QSKIP("no print server answers on this machine");
        QCOMPARE(run({QStringLiteral("--import"), sample(QStringLiteral("own.utf8.csv"))}).status, 0);
        Run r = run({QStringLiteral("--print-batch")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("印刷 2 / 2 枚")), qPrintable(r.err));
        QCOMPARE(QDir(m_dir->filePath(QStringLiteral("home"))).entryList({QStringLiteral("*.pdf")}).size(),
                 1);
        r = run({QStringLiteral("--print-batch")});
        QVERIFY2(r.status == 0 && r.err.contains(QStringLiteral("印刷する行がありません")),
                 qPrintable(r.err));
    }

    void optionsThatNeedAnother_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("import without files")
            << QStringList{"--import"} << "--import の後に注文ファイルを指定してください";
        QTest::newRow("duplicates without import")
            << QStringList{"--allow-duplicates"} << "--allow-duplicates は --import と一緒に指定してください";
        QTest::newRow("marked rows without printing")
            << QStringList{"--include-marked"}
            << "--include-marked は --print-batch と一緒に指定してください";
    }
    void optionsThatNeedAnother()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestBatchCommand)
#include "test_batchcommand.moc"
