// SPDX-License-Identifier: GPL-3.0-or-later
// The two register commands, "余白調整" with the print position dialog and "セットするプリンタを登録" with
// the setup dialog, and what "rova_a500.ini" holds afterwards.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"

#include "rules/slip/sliplayout.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"
#include "widgets/printer/printpositiondialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;
using rova::slip::slipTypes;
using slipcheck::keyLines;
using slipcheck::sectionLines;

namespace
{

enum class Command { Margins, Printer };

// A queue name as CUPS may give it: code page 932 holds the kanji but not "ü" or the printer symbol.
const QString kForeignName = QStringLiteral("Büro 事務所 🖨");

} // namespace

Q_DECLARE_METATYPE(Command)

class TestRegistration : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> m_window;

    MainWindow& main() { return m_window->main(); }
    QString folder() { return m_window->folder(); }

    // "余白調整": types the margins into the print position dialog, runs `meanwhile` and registers.
    void registerMargins(const QString& top, const QString& left, const std::function<void()>& meanwhile = {})
    {
        Dialogs::answerNext(true);
        Dialogs::answerNextDialog([=](QDialog& dialog) {
            auto& d = static_cast<PrintPositionDialog&>(dialog);
            d.show();
            [&] {
                slipcheck::retype(d.findChild<NumberEdit*>("KeNumEdit_TOP"), top);
                d.findChild<NumberEdit*>("KeNumEdit_LEFT")->setFocus();
                slipcheck::retype(d.findChild<NumberEdit*>("KeNumEdit_LEFT"), left);
                if (meanwhile)
                    meanwhile();
                QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_MRGN"), Qt::LeftButton);
                QTRY_VERIFY(!d.isVisible());
            }();
            if (d.isVisible())
                d.reject(); // a failed registration must not leave the dialog to the next test
            return d.result();
        });
        QTest::mouseClick(ui(main()).BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
    }

    // "セットするプリンタを登録": picks the printer in the setup dialog, runs `meanwhile` and confirms.
    void registerPrinter(int printer, const std::function<void()>& meanwhile = {})
    {
        slipcheck::answerSetupDialog(printer, true, meanwhile);
        QTest::mouseClick(ui(main()).BitBtn_PrnSet, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
    }

    void run(Command command, int printer, const QString& top, const QString& left,
             const std::function<void()>& meanwhile = {})
    {
        if (command == Command::Margins)
            registerMargins(top, left, meanwhile);
        else
            registerPrinter(printer, meanwhile);
    }

    static void addCommandRows(const char* what)
    {
        QTest::addRow("余白調整: %s", what) << Command::Margins;
        QTest::addRow("セットするプリンタを登録: %s", what) << Command::Printer;
    }

private slots:
    void initTestCase()
    {
        slipcheck::installFakePrinters({"Printer A", "Printer B", "Printer C", kForeignName}, 1);
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init() { m_window->startAfresh(); }

    void keysInTheirOrder_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("otherSection");
        for (const bool other : {false, true}) {
            QTest::addRow("余白調整: %s", other ? "missing section" : "missing file")
                << Command::Margins << other;
            QTest::addRow("セットするプリンタを登録: %s", other ? "missing section" : "missing file")
                << Command::Printer << other;
        }
    }
    void keysInTheirOrder()
    {
        QFETCH(Command, command);
        QFETCH(bool, otherSection);
        if (otherSection)
            slipcheck::writeAssignments(folder(), {{slipTypes()[5], "Printer C", "2", "7", "8"}});
        const QStringList before = slipcheck::assignmentLines(folder());
        m_window->chooseSlipType(4);

        run(command, 1, "-12", "25");

        const QStringList written = command == Command::Margins ? keyLines("Printer A", "0", "-12", "25")
                                                                : keyLines("Printer B", "1", "0", "0");
        QCOMPARE(slipcheck::assignmentLines(folder()),
                 before + QStringList('[' + slipTypes()[4] + ']') + written);
    }

    void allFourKeysRewritten_data()
    {
        QTest::addColumn<Command>("command");
        addCommandRows("the window's printer and margins, not the file's");
    }
    void allFourKeysRewritten()
    {
        QFETCH(Command, command);
        slipcheck::writeAssignments(folder(), {{slipTypes()[4], "Printer B", "1", "-5", "6"}});
        m_window->chooseSlipType(4);
        // While the dialog is open the file comes to hold other values in every key.
        const auto stale = [this] {
            slipcheck::writeAssignments(folder(), {{slipTypes()[4], "stale", "0", "99", "98"}});
        };

        run(command, 2, "12", "-34", stale);

        const QStringList expected = command == Command::Margins ? keyLines("Printer B", "1", "12", "-34")
                                                                 : keyLines("Printer C", "2", "-5", "6");
        QCOMPARE(sectionLines(folder(), slipTypes()[4]), expected);
        QVERIFY(Dialogs::takeShown().size() == (command == Command::Margins ? 2 : 1));
    }

    void printerNameOutsideCodePage932_data()
    {
        QTest::addColumn<Command>("command");
        addCommandRows("\"?\" for each character the file cannot hold, the rest exact");
    }
    void printerNameOutsideCodePage932()
    {
        QFETCH(Command, command);
        slipcheck::writeAssignments(
            folder(), {{slipTypes()[2], "", command == Command::Margins ? "3" : "0", "1", "2"}});
        m_window->chooseSlipType(2);

        run(command, 3, "-7", "8");

        const QString top = command == Command::Margins ? "-7" : "1";
        const QString left = command == Command::Margins ? "8" : "2";
        QCOMPARE(sectionLines(folder(), slipTypes()[2]), keyLines("B?ro 事務所 ?", "3", top, left));
        QCOMPARE(ui(main()).ComboBox1->currentText(), kForeignName);
        for (const Dialogs::Shown& shown : Dialogs::takeShown())
            QVERIFY2(shown.kind != Dialogs::Kind::Error, qPrintable(shown.text));
    }

    void registerMarginsWithTheKeyboard()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer B", "1", "3", "4"},
                                               {slipTypes()[1], "Printer C", "2", "7", "8"}});
        m_window->chooseSlipType(0);
        const QStringList untouched = sectionLines(folder(), slipTypes()[1]);

        Dialogs::answerNext(true);
        Dialogs::answerNextDialog([](QDialog& dialog) {
            auto& d = static_cast<PrintPositionDialog&>(dialog);
            d.show();
            [&] {
                QCOMPARE(d.findChild<NumberEdit*>("KeNumEdit_TOP")->text(), QStringLiteral("3"));
                QCOMPARE(d.findChild<NumberEdit*>("KeNumEdit_LEFT")->text(), QStringLiteral("4"));
                slipcheck::retype(d.findChild<NumberEdit*>("KeNumEdit_TOP"), "12-");
                QTest::keyClick(d.findChild<NumberEdit*>("KeNumEdit_TOP"), Qt::Key_Return);
                slipcheck::retype(d.findChild<NumberEdit*>("KeNumEdit_LEFT"), "25");
                QTest::keyClick(d.findChild<NumberEdit*>("KeNumEdit_LEFT"), Qt::Key_Return);
                QTRY_VERIFY(d.findChild<QLineEdit*>("Edit_TrackingNumber")->hasFocus());
                QTest::keyClick(d.findChild<QLineEdit*>("Edit_TrackingNumber"), Qt::Key_Return);
                QTRY_VERIFY(d.findChild<QPushButton*>("BitBtn_MRGN")->hasFocus());
                QTest::keyClick(d.findChild<QPushButton*>("BitBtn_MRGN"), Qt::Key_Return);
                QTRY_VERIFY(!d.isVisible());
            }();
            return d.result();
        });
        QTest::mouseClick(ui(main()).BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);

        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].text, QStringLiteral("印字位置調整の余白を登録しますか?"));
        QCOMPARE(sectionLines(folder(), slipTypes()[0]), keyLines("Printer B", "1", "-12", "25"));
        QCOMPARE(sectionLines(folder(), slipTypes()[1]), untouched);
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QStringLiteral("-12"));
        QCOMPARE(ui(main()).Label_Prn_Left->text(), QStringLiteral("25"));

        m_window->stepSlipType(Qt::Key_Down);
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QStringLiteral("7"));
        QCOMPARE(ui(main()).Label_Prn_Left->text(), QStringLiteral("8"));
    }

    void declineMargins()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer A", "0", "3", "4"}});
        m_window->chooseSlipType(0);
        const QStringList before = slipcheck::assignmentLines(folder());
        Dialogs::answerNext(false);
        Dialogs::answerNextDialog([](QDialog& dialog) {
            auto& d = static_cast<PrintPositionDialog&>(dialog);
            d.show();
            [&] {
                slipcheck::retype(d.findChild<NumberEdit*>("KeNumEdit_TOP"), "99");
                QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_MRGN"), Qt::LeftButton);
                QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
                QVERIFY(d.isVisible());
                QTest::keyClick(d.findChild<NumberEdit*>("KeNumEdit_TOP"), Qt::Key_Escape);
                QTRY_VERIFY(!d.isVisible());
            }();
            return d.result();
        });
        QTest::mouseClick(ui(main()).BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QCOMPARE(slipcheck::assignmentLines(folder()), before);
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QStringLiteral("3"));
    }

    void registerPrinter_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("stored");
        QTest::newRow("printer chosen in the setup dialog") << true << "2";
        QTest::newRow("cancelling the setup dialog still writes the section") << false << "1";
    }
    void registerPrinter()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, stored);
        slipcheck::writeAssignments(
            folder(), {{slipTypes()[4], "", "1", "-5", "6"}, {slipTypes()[5], "Printer A", "0", "1", "2"}});
        m_window->chooseSlipType(4);
        const QStringList untouched = sectionLines(folder(), slipTypes()[5]);
        slipcheck::answerSetupDialog(2, confirm);
        QTest::mouseClick(ui(main()).BitBtn_PrnSet, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);

        const QString name = stored == "2" ? "Printer C" : "Printer B";
        QCOMPARE(sectionLines(folder(), slipTypes()[4]), keyLines(name, stored, "-5", "6"));
        QCOMPARE(sectionLines(folder(), slipTypes()[5]), untouched);
        QCOMPARE(main().printSettings().printerIndex, stored);
        QCOMPARE(ui(main()).ComboBox1->currentText(), name);
        QVERIFY(Dialogs::takeShown().size() == 1); // the setup dialog, nothing else
    }
};

QTEST_MAIN(TestRegistration)
#include "test_registration.moc"
