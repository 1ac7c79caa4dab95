// SPDX-License-Identifier: GPL-3.0-or-later
// Printer assignment per slip type: loading it on a slip-type change, finding the registered printer
// again by its name when printers come and go, and refusing to print when it is gone.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"
#include "support/testprinters.h"

#include "platform/print/printerchoice.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;
using rova::print::FakePrintSystem;
using rova::slip::slipTypes;

namespace
{
const QStringList kPrinters{"Printer A", "Printer B", "Printer C"};
} // namespace

class TestPrinterAssignment : public QObject
{
    Q_OBJECT
    FakePrintSystem* m_fake = nullptr;
    std::unique_ptr<MainWindowFixture> m_window;

    MainWindow& main() { return m_window->main(); }
    QString folder() { return m_window->folder(); }

    // The printers the system lists, in its order; the printer object notices at once.
    void installPrinters(const QStringList& names)
    {
        for (const rova::print::Destination& d : m_fake->destinations())
            m_fake->removePrinter(d.name);
        for (const QString& name : names)
            m_fake->addPrinter(FakePrintSystem::printer(name));
        m_fake->setDefault(1);
        testprinters::choice().checkForChanges();
    }

private slots:
    void initTestCase()
    {
        m_fake = slipcheck::installFakePrinters(kPrinters, 1);
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init() { m_window->startAfresh(); }

    void cleanup() { installPrinters(kPrinters); }

    void loadOnSlipTypeChange_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("printer");
        QTest::newRow("missing file reads as zeros") << ""
                                                     << ""
                                                     << "" << QStringList{"0", "0", "0"} << 0;
        QTest::newRow("the type's own section") << "2"
                                                << "-12"
                                                << "25" << QStringList{"2", "-12", "25"} << 2;
        QTest::newRow("printer number past the list chooses none") << "9"
                                                                   << "3"
                                                                   << "4" << QStringList{"9", "3", "4"} << -1;
        QTest::newRow("printer number -1 selects the default printer")
            << "-1"
            << "0"
            << "0" << QStringList{"-1", "0", "0"} << 1;
        QTest::newRow("margin with decimals is loaded as it stands")
            << "1"
            << "1.5"
            << "0" << QStringList{"1", "1.5", "0"} << 1;
    }
    void loadOnSlipTypeChange()
    {
        QFETCH(QString, index);
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QStringList, labels);
        QFETCH(int, printer);
        // Files from before names were kept: the number alone chooses.
        if (!index.isEmpty())
            slipcheck::writeAssignments(folder(), {{slipTypes()[3], "", index, top, left}});
        m_window->chooseSlipType(3);
        QCOMPARE((QStringList{main().printSettings().printerIndex, ui(main()).Label_Prn_Top->text(),
                              ui(main()).Label_Prn_Left->text()}),
                 labels);
        if (printer >= 0)
            QCOMPARE(testprinters::choice().currentIndex(), printer);
        else
            QCOMPARE(ui(main()).ComboBox1->currentText(), index + QStringLiteral("番 (見つかりません)"));
        QVERIFY(Dialogs::takeShown().isEmpty());
    }

    void printerGroupShowsTheAssignedPrinter()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer C", "2", "0", "0"}});
        m_window->chooseSlipType(0);
        QCOMPARE(ui(main()).ComboBox1->count(), 3);
        QCOMPARE(ui(main()).ComboBox1->currentText(), QStringLiteral("Printer C"));
        QCOMPARE(ui(main()).ComboBox2->currentText(), QStringLiteral("A4"));
        QCOMPARE(ui(main()).ComboBox3->currentText(), QStringLiteral("上段"));
    }

    void missingPrinterIsShownAndNothingPrinted()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer C", "2", "0", "0"},
                                               {slipTypes()[1], "gone", "2", "0", "0"}});
        m_window->chooseSlipType(0);
        m_window->stepSlipType(Qt::Key_Down);
        QCOMPARE(ui(main()).ComboBox1->currentText(), QStringLiteral("gone (見つかりません)"));
        QCOMPARE(ui(main()).ComboBox1->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(ui(main()).ComboBox2->count(), 0);

        const int jobsBefore = int(m_fake->jobs().size());
        Dialogs::answerNext(true);
        m_window->clickPrint();
        QCOMPARE(m_fake->jobs().size(), jobsBefore);
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 2); // the question, then the refusal
        QCOMPARE(shown[1].text,
                 QStringLiteral("登録されたプリンタ gone が見つかりません。プリンタを登録し直してください\n"
                                "用紙選択: ") +
                     slipTypes()[1]);

        // Back on a type whose printer is there, the group shows it as usual.
        m_window->stepSlipType(Qt::Key_Up);
        QCOMPARE(ui(main()).ComboBox1->currentText(), QStringLiteral("Printer C"));
        QVERIFY(ui(main()).ComboBox1->palette().color(QPalette::Text) != QColor(Qt::red));
    }

    void foundAgainByName_data()
    {
        QTest::addColumn<QStringList>("printersNow");
        QTest::newRow("printer removed in front") << QStringList{"Printer B", "Printer C"};
        QTest::newRow("printer installed in front")
            << QStringList{"Printer N", "Printer A", "Printer B", "Printer C"};
        QTest::newRow("printers in another order") << QStringList{"Printer C", "Printer A", "Printer B"};
    }
    void foundAgainByName()
    {
        QFETCH(QStringList, printersNow);
        m_window->chooseSlipType(4);
        slipcheck::answerSetupDialog(1, true); // "Printer B"
        QTest::mouseClick(ui(main()).BitBtn_PrnSet, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QCOMPARE(slipcheck::sectionLines(folder(), slipTypes()[4]).mid(0, 2),
                 (QStringList{"PrnName=Printer B", "PrnNoIndex=1"}));

        installPrinters(printersNow);
        m_window->stepSlipType(Qt::Key_Down);
        m_window->stepSlipType(Qt::Key_Up);
        QCOMPARE(testprinters::choice().currentIndex(), printersNow.indexOf(QStringLiteral("Printer B")));
        QCOMPARE(ui(main()).ComboBox1->currentText(), QStringLiteral("Printer B"));
        QCOMPARE(main().printSettings().printerIndex, QStringLiteral("1"));
        QCOMPARE(slipcheck::sectionLines(folder(), slipTypes()[4]).first(),
                 QStringLiteral("PrnName=Printer B"));
        QVERIFY(Dialogs::takeShown().size() == 1); // the setup dialog, nothing else
    }
};

QTEST_MAIN(TestPrinterAssignment)
#include "test_printerassignment.moc"
