// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in PDF printer: the page lands in the file the operator names, at the positions drawn.

#include "platform/print/pdf/pdfprinter.h"
#include "rules/errors.h"
#include "support/pdfwords.h"

#include "support/readonlyfolder.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace rova;
using namespace rova::print;

namespace
{

constexpr double dotsPerInch = 600;
constexpr double mmPerDot = 25.4 / dotsPerInch;
constexpr double tolerance = 0.05;

} // namespace

class TestPdfPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_answers.clear();
        m_asked.clear();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void defaultsNameListedEntries()
    {
        PdfPrinter printer = pdfPrinter();
        const Capabilities caps = printer.capabilities(PdfPrinter::name());
        QCOMPARE(printer.destinations().size(), 1);
        QVERIFY(!printer.destinations().first().hidden);
        QCOMPARE(caps.papers.first().name, QStringLiteral("A4"));
        QCOMPARE(caps.defaults.paper, caps.papers.first().code);
        QCOMPARE(caps.bins.size(), 1);
        QCOMPARE(caps.bins.first().name, QStringLiteral("自動"));
        QCOMPARE(caps.defaults.bin, caps.bins.first().code);
        QCOMPARE(caps.defaults.resolution, QPoint(600, 600));
        QVERIFY(!caps.defaults.scale);
    }

    void savesPageWhereDrawn_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QSizeF>("sizeMm");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("A4, text near the top-left corner") << 9 << QSizeF(210, 297) << QPoint(120, 240);
        QTest::newRow("postcard, text far from the corner") << 43 << QSizeF(100, 148) << QPoint(1500, 3000);
        QTest::newRow("B4 (JIS), text at the origin") << 12 << QSizeF(257, 364) << QPoint(0, 0);
    }

    void savesPageWhereDrawn()
    {
        QFETCH(int, paper);
        QFETCH(QSizeF, sizeMm);
        QFETCH(QPoint, at);
        const QString path = m_dir->filePath(QStringLiteral("slip.pdf"));
        m_answers.append(path);

        PdfPrinter printer = pdfPrinter();
        DeviceMode mode;
        mode.paper = paper;
        auto job = printer.begin(PdfPrinter::name(), mode, QStringLiteral("rova_Yamato"));
        job->canvas().setFont(QStringLiteral("DejaVu Sans"), 12, false);
        job->canvas().textOut(at.x(), at.y(), QStringLiteral("MARK"));
        job->end();

        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(pdfPageCount(path), 1);
        const QSizeF page = pdfPageSizeMm(path);
        // Page sizes are whole points in the file.
        QVERIFY2(qAbs(page.width() - sizeMm.width()) < 0.36 && qAbs(page.height() - sizeMm.height()) < 0.36,
                 qPrintable(QStringLiteral("page %1 x %2 mm").arg(page.width()).arg(page.height())));
        const QList<PdfWord> words = pdfWords(path);
        const PdfWord* mark = findPdfWord(words, QStringLiteral("MARK"));
        QVERIFY(mark);
        QVERIFY2(qAbs(mark->boxMm.left() - at.x() * mmPerDot) < tolerance,
                 qPrintable(QString::number(mark->boxMm.left())));
        QVERIFY2(qAbs(mark->boxMm.top() - at.y() * mmPerDot) < tolerance,
                 qPrintable(QString::number(mark->boxMm.top())));
    }

    void everyPageInOneFile()
    {
        const QString path = m_dir->filePath(QStringLiteral("slips.pdf"));
        m_answers.append(path);
        PdfPrinter printer = pdfPrinter();
        auto job = printer.begin(PdfPrinter::name(), DeviceMode{},
                                 {QStringLiteral("rova_Yamato"), QStringLiteral("見本/太郎")});
        const QStringList marks{QStringLiteral("FIRST"), QStringLiteral("SECOND"), QStringLiteral("THIRD")};
        for (const QString& mark : marks) {
            if (mark != marks.first())
                job->newPage();
            job->canvas().setFont(QStringLiteral("DejaVu Sans"), 12, false);
            job->canvas().textOut(100, 100, mark);
        }
        job->end();
        // Proposed with a name the file system takes.
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked.first().endsWith(QStringLiteral("_見本_太郎.pdf")), qPrintable(m_asked.first()));
        QCOMPARE(pdfPageCount(path), 3);
        for (const QString& mark : marks)
            QVERIFY2(findPdfWord(pdfWords(path), mark), qPrintable(mark));
    }

    void cancelledSaveWritesNothing()
    {
        m_answers.append(QString());
        PdfPrinter printer = pdfPrinter();
        auto job = printer.begin(PdfPrinter::name(), DeviceMode{}, QStringLiteral("rova_Yamato"));
        job->canvas().textOut(10, 10, QStringLiteral("MARK"));
        job->end();
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }

    void abortAsksNothingAndWritesNothing()
    {
        PdfPrinter printer = pdfPrinter();
        auto job = printer.begin(PdfPrinter::name(), DeviceMode{}, QStringLiteral("rova_Yamato"));
        job->canvas().textOut(10, 10, QStringLiteral("MARK"));
        job->abort();
        QVERIFY(m_asked.isEmpty());
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }

    void secondEndIsAnErrorNotASecondFile()
    {
        const QString path = m_dir->filePath(QStringLiteral("slip.pdf"));
        m_answers.append(path);
        m_answers.append(m_dir->filePath(QStringLiteral("again.pdf")));
        PdfPrinter printer = pdfPrinter();
        auto job = printer.begin(PdfPrinter::name(), DeviceMode{}, QStringLiteral("rova_Yamato"));
        job->end();
        QVERIFY_THROWS_EXCEPTION(rova::Error, job->end());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("slip.pdf")});
    }

    void unwritableFileIsAnError()
    {
        m_answers.append(m_dir->filePath(QStringLiteral("missing/folder/slip.pdf")));
        PdfPrinter printer = pdfPrinter();
        auto job = printer.begin(PdfPrinter::name(), DeviceMode{}, QStringLiteral("rova_Yamato"));
        QVERIFY_THROWS_EXCEPTION(rova::Error, job->end());
    }

    // The folder proposed for the next file: the one saved in last while it exists (also after the
    // program was started again), else the documents folder, else home.
    void proposedFolder_data()
    {
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("savedIn"); // folder of an earlier save, "" for none
        QTest::addColumn<bool>("removed");    // that folder removed since
        QTest::addColumn<QString>("proposed");
        QTest::newRow("first file: documents folder") << true << "" << false << "home/Documents";
        QTest::newRow("first file without documents folder: home") << false << "" << false << "home";
        QTest::newRow("after a save: that folder") << true << "slips/2026" << false << "slips/2026";
        QTest::newRow("folder saved in was removed: documents folder")
            << true << "gone" << true << "home/Documents";
    }
    void proposedFolder()
    {
        QFETCH(bool, documents);
        QFETCH(QString, savedIn);
        QFETCH(bool, removed);
        QFETCH(QString, proposed);
        QTemporaryDir data;
        qputenv("HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("home"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("config"))));
        QDir(m_dir->path()).mkpath(documents ? QStringLiteral("home/Documents") : QStringLiteral("home"));
        const JobTitle title{QStringLiteral("rova_Yamato"), QStringLiteral("見本　太郎")};
        if (!savedIn.isEmpty()) {
            QDir(m_dir->path()).mkpath(savedIn);
            m_answers.append(m_dir->filePath(savedIn + QStringLiteral("/slip.pdf")));
            pdfPrinter(PdfProposal(data.path())).begin(PdfPrinter::name(), DeviceMode{}, title)->end();
            if (removed)
                QDir(m_dir->filePath(savedIn)).removeRecursively();
        }
        m_asked.clear();

        pdfPrinter(PdfProposal(data.path())).begin(PdfPrinter::name(), DeviceMode{}, title)->end();
        QCOMPARE(m_asked.size(), 1);
        const QFileInfo file(m_asked.first());
        QCOMPARE(file.path(), m_dir->filePath(proposed));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d{4}_見本_太郎\\.pdf$"))
                     .match(file.fileName())
                     .hasMatch(),
                 qPrintable(file.fileName()));
    }

    // The command line saves where it is proposed: a file of the same minute and addressee is
    // never written over.
    void takenNameIsNotProposedAgain()
    {
        QTemporaryDir data;
        PdfProposal proposal(data.path());
        proposal.saved(m_dir->filePath(QStringLiteral("slip.pdf")));
        const QDateTime at(QDate(2026, 12, 10), QTime(15, 30));
        QStringList names;
        for (int i = 0; i < 3; ++i) {
            QFile file(proposal.path(at, QStringLiteral("見本　太郎")));
            names << QFileInfo(file).fileName();
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(names, (QStringList{"2026-12-10_1530_見本_太郎.pdf", "2026-12-10_1530_見本_太郎_2.pdf",
                                     "2026-12-10_1530_見本_太郎_3.pdf"}));
    }

    void folderThatCannotBeKeptIsReportedAfterTheFileIsSaved()
    {
        QTemporaryDir data;
        ReadOnlyFolder readOnly(data.path());
        if (!readOnly.refusesWrites())
            QSKIP("this machine cannot make a folder read-only");
        const QString path = m_dir->filePath(QStringLiteral("slip.pdf"));
        m_answers.append(path);
        auto job = pdfPrinter(PdfProposal(data.path())).begin(PdfPrinter::name(), DeviceMode{}, {});
        try {
            job->end();
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("PDF は %1 に保存しました。").arg(path)),
                     qPrintable(e.message()));
            QVERIFY2(e.message().contains(data.filePath(QStringLiteral("rova-yamato.conf"))),
                     qPrintable(e.message()));
        }
        QCOMPARE(pdfPageCount(path), 1);
    }

    void unknownPaperIsAnError()
    {
        PdfPrinter printer = pdfPrinter();
        DeviceMode mode;
        mode.paper = 4242;
        QVERIFY_THROWS_EXCEPTION(rova::Error, printer.begin(PdfPrinter::name(), mode, QStringLiteral("x")));
    }

private:
    // A printer whose file question is answered from m_answers and remembered in m_asked; it
    // proposes as the proposal says (by default nothing remembered).
    PdfPrinter pdfPrinter(PdfProposal proposal = {})
    {
        return PdfPrinter(
            [this](const QString& proposed) {
                m_asked.append(proposed);
                return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
            },
            std::move(proposal));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_answers;
    QStringList m_asked;
};

QTEST_MAIN(TestPdfPrinter)
#include "test_pdfprinter.moc"
