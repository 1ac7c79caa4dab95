// SPDX-License-Identifier: GPL-3.0-or-later
// The print command against the fake print system: what lands where, and that a failed job never
// costs the operator the slip.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"
#include "support/testprinters.h"

#include "platform/print/printerchoice.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;
using rova::print::FakePrintSystem;
using slipcheck::Expected;

namespace
{

struct PrinterSetup {
    const char* name;
    int dpi;
    std::optional<int> scale;
    qint64 scaleFactor; // dots per layout unit in ten-thousandths at the resulting print resolution
    int printResolution;
};

const PrinterSetup kPrinters[] = {
    {"P600", 600, std::nullopt, 37500, 600},
    {"P601", 601, std::nullopt, 37562, 601},
    {"P631", 600, 95, 39438, 631},
    {"P300", 300, std::nullopt, 18750, 300},
};

QStringList fieldTexts(const MainWindow& m)
{
    QStringList texts;
    for (const QLineEdit* e : {ui(m).Edit_Zip, ui(m).Edit_tel, ui(m).Edit_Add1, ui(m).Edit_Add2,
                               ui(m).Edit_Add3, ui(m).Edit_Custo1, ui(m).Edit_G1, ui(m).Edit_G2,
                               ui(m).Edit_G3, ui(m).Edit_de_date1, ui(m).Edit_de_date2, ui(m).Edit_MyZip,
                               ui(m).Edit_MyTEL, ui(m).Edit_MyADD1, ui(m).Edit_MyADD2, ui(m).Edit_My})
        texts << e->text();
    texts << ui(m).KeNumEdit_KOSUU->text() << ui(m).ComboBox_SEL->currentText();
    for (const QCheckBox* b :
         {ui(m).CheckBox_t3, ui(m).CheckBox_t22, ui(m).CheckBox_My, ui(m).CheckBox_Date_1})
        texts << (b->isChecked() ? "on" : "off");
    return texts;
}

} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT
    FakePrintSystem* m_fake = nullptr;
    std::unique_ptr<MainWindowFixture> m_window;

    MainWindow& main() { return m_window->main(); }

    // Assigns the printer and margins to the slip type, picks it and fills the slip.
    void prepare(int type, int printer, const QString& top, const QString& left)
    {
        slipcheck::writeAssignments(
            m_window->folder(),
            {{rova::slip::slipTypes()[type], kPrinters[printer].name, QString::number(printer), top, left}});
        m_window->chooseSlipType(type);
        m_window->fill();
        Dialogs::takeShown();
    }

    // Prints with Yes to the question; returns the job the print system saw, or null.
    const FakePrintSystem::JobRecord* print()
    {
        const auto before = m_fake->jobs().size();
        Dialogs::answerNext(true);
        m_window->clickPrint();
        [&] { QTRY_COMPARE(Dialogs::pendingAnswers(), 0); }();
        if (m_fake->jobs().size() == before)
            return nullptr;
        return &m_fake->jobs().last();
    }

private slots:
    void initTestCase()
    {
        Dialogs::setScripted(true);
        auto fake = std::make_unique<FakePrintSystem>();
        for (const PrinterSetup& p : kPrinters) {
            FakePrintSystem::Printer printer = FakePrintSystem::printer(p.name);
            printer.capabilities.defaults.resolution = QPoint(p.dpi, p.dpi);
            printer.capabilities.resolutions = {QPoint(p.dpi, p.dpi)};
            printer.capabilities.defaults.scale = p.scale;
            fake->addPrinter(printer);
        }
        fake->setDefault(0);
        m_fake = testprinters::installFake(std::move(fake));
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init()
    {
        m_fake->failBegin({});
        m_fake->failEnd({});
        Dialogs::takeShown();
    }

    void filledSlip_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("printer");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        const QList<QPair<int, int>> margins{{0, 0}, {25, 40}, {-12, -7}};
        for (int type = 0; type < 6; ++type)
            for (int printer = 0; printer < 4; ++printer)
                for (const auto& [top, left] : margins)
                    QTest::addRow("%s at %d dpi, margins %d/%d", qPrintable(rova::slip::slipTypes()[type]),
                                  kPrinters[printer].printResolution, top, left)
                        << type << printer << top << left;
    }
    void filledSlip()
    {
        QFETCH(int, type);
        QFETCH(int, printer);
        QFETCH(int, top);
        QFETCH(int, left);
        prepare(type, printer, QString::number(top), QString::number(left));

        const FakePrintSystem::JobRecord* job = print();
        QVERIFY(job);
        QCOMPARE(job->state, FakePrintSystem::JobRecord::State::Ended);
        QCOMPARE(job->title, QStringLiteral("rova_Yamato"));
        QCOMPARE(job->destination, QString::fromLatin1(kPrinters[printer].name));
        const PrinterSetup& p = kPrinters[printer];
        QCOMPARE(testprinters::choice().printResolution(), QPoint(p.printResolution, p.printResolution));

        const QList<Expected> expected = slipcheck::filledLayout(slipcheck::kindOf(type));
        QCOMPARE(job->texts.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const Expected& e = expected[i];
            const auto& t = job->texts[i];
            const QPoint at(int((p.scaleFactor * e.x + 5000) / 10000) + left,
                            int((p.scaleFactor * e.y + 5000) / 10000) + top);
            QCOMPARE(t.text, e.text);
            QCOMPARE(t.family, e.family);
            QCOMPARE(t.pointSize, e.points);
            QCOMPARE(t.bold, e.bold);
            QCOMPARE(t.position, at);
            QCOMPARE(t.color, QColor(Qt::black));
            QCOMPARE(t.brush, QColor(Qt::white));
        }
        QVERIFY(Dialogs::takeShown().size() == 1); // the question only
    }

    void workedPositions_data()
    {
        QTest::addColumn<int>("printer");
        QTest::addColumn<QPoint>("firstBox");
        QTest::newRow("600 dpi: X 185 -> 694, Y 30 -> 113") << 0 << QPoint(694, 113);
        QTest::newRow("scale 95 at 600 dpi prints at 631 dpi") << 2 << QPoint(730, 118);
    }
    void workedPositions()
    {
        QFETCH(int, printer);
        QFETCH(QPoint, firstBox);
        prepare(0, printer, "0", "0");
        const FakePrintSystem::JobRecord* job = print();
        QVERIFY(job);
        QCOMPARE(job->texts.first().position, firstBox);
    }

    void samePointsAtEveryResolution_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        for (int type = 0; type < 6; ++type)
            for (const auto& [top, left] : {std::pair{0, 0}, std::pair{25, -40}})
                QTest::addRow("%s, margins %d/%d", qPrintable(rova::slip::slipTypes()[type]), top, left)
                    << type << top << left;
    }
    void samePointsAtEveryResolution()
    {
        QFETCH(int, type);
        QFETCH(int, top);
        QFETCH(int, left);
        // Millimetres from the printable area's corner; the margins are dots of each printer, so they
        // are taken off first.
        const auto landing = [&](int printer) {
            prepare(type, printer, QString::number(top), QString::number(left));
            const FakePrintSystem::JobRecord* job = print();
            QList<QPair<QString, QPointF>> points;
            for (const auto& t : job ? job->texts : QList<FakePrintSystem::DrawnText>{})
                points << qMakePair(t.text,
                                    QPointF(t.position - QPoint(left, top)) * 25.4 / kPrinters[printer].dpi);
            return points;
        };
        const QList<QPair<QString, QPointF>> fine = landing(0);
        const QList<QPair<QString, QPointF>> coarse = landing(3);
        QCOMPARE(kPrinters[0].dpi, 600);
        QCOMPARE(kPrinters[3].dpi, 300);
        QVERIFY(!fine.isEmpty());
        QCOMPARE(coarse.size(), fine.size());
        const double dot = 25.4 / 300;
        for (int i = 0; i < fine.size(); ++i) {
            QCOMPARE(coarse[i].first, fine[i].first);
            const QPointF apart = coarse[i].second - fine[i].second;
            QVERIFY2(qAbs(apart.x()) <= dot && qAbs(apart.y()) <= dot,
                     qPrintable(QStringLiteral("%1: %2 mm, %3 mm apart")
                                    .arg(fine[i].first)
                                    .arg(apart.x())
                                    .arg(apart.y())));
        }
    }

    void emptyMarginsActAsZero()
    {
        prepare(0, 0, "", "");
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QString());
        const FakePrintSystem::JobRecord* job = print();
        QVERIFY(job);
        QCOMPARE(job->texts.first().position, QPoint(694, 113));
    }

    void declined()
    {
        prepare(0, 0, "0", "0");
        const auto before = m_fake->jobs().size();
        Dialogs::answerNext(false);
        m_window->clickPrint();
        QTRY_VERIFY(ui(main()).Edit_G1->hasFocus());
        QCOMPARE(m_fake->jobs().size(), before);
    }

    void failedJobKeepsTheSlip_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("beginFailure");
        QTest::addColumn<QString>("endFailure");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("aborted");
        QTest::newRow("margin with decimals already in the file aborts before drawing")
            << "1.5"
            << "0"
            << ""
            << ""
            << "'1.5' is not a valid integer value" << true;
        QTest::newRow("left margin that is no number aborts before drawing")
            << "0"
            << "abc"
            << ""
            << ""
            << "'abc' is not a valid integer value" << true;
        QTest::newRow("job that cannot start") << "0"
                                               << "0"
                                               << "Printer P600 is not accepting jobs."
                                               << ""
                                               << "Printer P600 is not accepting jobs." << false;
        QTest::newRow("job the spooler refuses: its reason reaches the operator")
            << "0"
            << "0"
            << ""
            << "client-error-not-possible: Printer stopped"
            << "client-error-not-possible: Printer stopped" << false;
    }
    void failedJobKeepsTheSlip()
    {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QString, beginFailure);
        QFETCH(QString, endFailure);
        QFETCH(QString, message);
        QFETCH(bool, aborted);
        prepare(0, 0, top, left);
        m_fake->failBegin(beginFailure);
        m_fake->failEnd(endFailure);
        const QStringList before = fieldTexts(main());

        const FakePrintSystem::JobRecord* job = print();
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].kind, Dialogs::Kind::Error);
        QCOMPARE(shown[1].text, message);
        if (aborted) {
            QVERIFY(job);
            QCOMPARE(job->state, FakePrintSystem::JobRecord::State::Aborted);
            QVERIFY(job->texts.isEmpty());
        }
        QCOMPARE(fieldTexts(main()), before);

        // The operator mends the cause and prints the same slip again.
        m_fake->failBegin({});
        m_fake->failEnd({});
        prepare(0, 0, "0", "0");
        job = print();
        QVERIFY(job);
        QCOMPARE(job->state, FakePrintSystem::JobRecord::State::Ended);
    }

    // Last: it takes every printer away.
    void noPrinterInstalled()
    {
        prepare(0, 0, "0", "0");
        const QStringList before = fieldTexts(main());
        for (const PrinterSetup& p : kPrinters)
            m_fake->removePrinter(p.name);
        testprinters::choice().checkForChanges();
        const auto jobs = m_fake->jobs().size();

        Dialogs::answerNext(true);
        m_window->clickPrint();
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].kind, Dialogs::Kind::Error);
        QVERIFY2(shown[1].text.contains(QStringLiteral("No Printer"), Qt::CaseInsensitive),
                 qPrintable(shown[1].text));
        QCOMPARE(m_fake->jobs().size(), jobs);
        QCOMPARE(fieldTexts(main()), before);
    }
};

QTEST_MAIN(TestPrintCommand)
#include "test_printcommand.moc"
