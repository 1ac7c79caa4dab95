// Printer assignment per slip type: loading it on a slip-type change, registering a printer with the
// setup dialog and margins with the print position dialog, and what "rova_a500.ini" holds afterwards.

#include "slipwindow.h"

#include "app/tform_main.h"
#include "controls/tkenumedit.h"
#include "platform/cp932.h"
#include "platform/dialogs.h"
#include "platform/fakeprintsystem.h"
#include "print/sliplayout.h"
#include "print/tform_slip97yprn.h"
#include "printer/tpvprinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
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

QString iniText(const QString& folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("rova_a500.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return rova::cp932::decode(file.readAll());
}

// The key lines of one section, in file order.
QStringList section(const QString& folder, const QString& name)
{
    QStringList lines;
    bool inside = false;
    for (const QString& raw : iniText(folder).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inside = line == QLatin1Char('[') + name + QLatin1Char(']');
        else if (inside && !line.isEmpty())
            lines << line;
    }
    return lines;
}

QStringList keys(const QString& name, const QString& index, const QString& top, const QString& left)
{
    return {"PrnName=" + name, "PrnNoIndex=" + index, "rovPrn_Top=" + top, "rovPrn_Left=" + left};
}

void typeMargin(TKeNumEdit* edit, const QString& keysTyped)
{
    QTRY_VERIFY(edit->hasFocus());
    while (!edit->text().isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keysTyped);
}

} // namespace

class TestPrinterAssignment : public QObject
{
    Q_OBJECT
    FakePrintSystem* m_fake = nullptr;
    std::unique_ptr<slipcheck::SlipWindow> m_window;

    TForm_Main& main() { return m_window->main(); }
    QString folder() { return m_window->folder(); }

    void moveDown()
    {
        m_window->focusSlipTypeList();
        QTest::keyClick(main().windowHandle(), Qt::Key_Down);
    }

private slots:
    void initTestCase()
    {
        Dialogs::setScripted(true);
        auto fake = std::make_unique<FakePrintSystem>();
        for (const char* name : {"Printer A", "Printer B", "Printer C"})
            fake->addPrinter(FakePrintSystem::printer(name));
        fake->setDefault(1);
        m_fake = fake.get();
        rova::print::setSystem(std::move(fake));
        m_window = std::make_unique<slipcheck::SlipWindow>();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init()
    {
        QFile::remove(QDir(folder()).filePath(QStringLiteral("rova_a500.ini")));
        Dialogs::takeShown();
    }

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
        QTest::newRow("printer number past the list selects the first printer")
            << "9"
            << "3"
            << "4" << QStringList{"9", "3", "4"} << 0;
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
        if (!index.isEmpty())
            slipcheck::writeAssignments(folder(), {{slipTypes()[3], "x", index, top, left}});
        m_window->chooseSlipType(3);
        QCOMPARE((QStringList{main().Label_PrinterIndex->text(), main().Label_Prn_Top->text(),
                              main().Label_Prn_Left->text()}),
                 labels);
        QCOMPARE(PvPrinter().GetIndex(), printer);
        QVERIFY(Dialogs::takeShown().isEmpty());
    }

    void printerGroupShowsTheAssignedPrinter()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer C", "2", "0", "0"}});
        m_window->chooseSlipType(0);
        QCOMPARE(main().ComboBox1->count(), 3);
        QCOMPARE(main().ComboBox1->currentText(), QStringLiteral("Printer C"));
        QCOMPARE(main().ComboBox2->currentText(), QStringLiteral("A4"));
        QCOMPARE(main().ComboBox3->currentText(), QStringLiteral("上段"));
    }

    void printerPastTheListKeepsThePrinterGroup()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer C", "2", "0", "0"},
                                               {slipTypes()[1], "gone", "7", "0", "0"}});
        m_window->chooseSlipType(0);
        moveDown();
        QTRY_COMPARE(main().ComboBox_SEL->currentIndex(), 1);
        QCOMPARE(PvPrinter().GetIndex(), 0);
        QCOMPARE(main().ComboBox1->currentText(), QStringLiteral("Printer C"));
    }

    void pickingSlipTypeUnchecksTimeBoxes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("box");
        QTest::newRow("same form kind, time slot") << 0 << "CheckBox_t2";
        QTest::newRow("same form kind, promised time") << 2 << "CheckBox_t22";
        QTest::newRow("other form kind") << 1 << "CheckBox_t6";
    }
    void pickingSlipTypeUnchecksTimeBoxes()
    {
        QFETCH(int, from);
        QFETCH(QString, box);
        m_window->chooseSlipType(from);
        auto* check = main().findChild<QCheckBox*>(box);
        QVERIFY2(check, qPrintable(box));
        check->setChecked(true);
        moveDown();
        QTRY_COMPARE(main().ComboBox_SEL->currentIndex(), from + 1);
        QVERIFY(!check->isChecked());
    }

    void nonIntegerPrinterNumberStopsTheChange()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[1], "x", "abc", "0", "0"}});
        m_window->chooseSlipType(0);
        main().CheckBox_t1->setChecked(true);
        Dialogs::takeShown();
        moveDown();
        QTRY_COMPARE(main().ComboBox_SEL->currentIndex(), 1);
        const QList<Dialogs::Shown> error = Dialogs::takeShown();
        QCOMPARE(error.size(), 1);
        QCOMPARE(error[0].text, QStringLiteral("'abc' is not a valid integer value"));
        QVERIFY(main().CheckBox_t1->isChecked());
        slipcheck::writeAssignments(folder(), {});
        m_window->chooseSlipType(0);
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QVERIFY(shown.isEmpty());
    }

    void registerMargins()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer B", "1", "3", "4"},
                                               {slipTypes()[1], "Printer C", "2", "7", "8"}});
        m_window->chooseSlipType(0);
        const QStringList untouched = section(folder(), slipTypes()[1]);

        Dialogs::answerNext(true);
        Dialogs::answerNextDialog([](QDialog& dialog) {
            auto& d = static_cast<TForm_SLIP97YPrn&>(dialog);
            d.show();
            [&] {
                QCOMPARE(d.KeNumEdit_TOP->text(), QStringLiteral("3"));
                QCOMPARE(d.KeNumEdit_LEFT->text(), QStringLiteral("4"));
                typeMargin(d.KeNumEdit_TOP, "12-");
                QTest::keyClick(d.KeNumEdit_TOP, Qt::Key_Return);
                typeMargin(d.KeNumEdit_LEFT, "25");
                QTest::keyClick(d.KeNumEdit_LEFT, Qt::Key_Return);
                QTRY_VERIFY(d.BitBtn_MRGN->hasFocus());
                QTest::keyClick(d.BitBtn_MRGN, Qt::Key_Return);
                QTRY_VERIFY(!d.isVisible());
            }();
            return d.result();
        });
        QTest::mouseClick(main().BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);

        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].text, QStringLiteral("印字位置調整の余白を登録しますか?"));
        QCOMPARE(section(folder(), slipTypes()[0]), keys("Printer B", "1", "-12", "25"));
        QCOMPARE(section(folder(), slipTypes()[1]), untouched);
        QCOMPARE(main().Label_Prn_Top->text(), QStringLiteral("-12"));
        QCOMPARE(main().Label_Prn_Left->text(), QStringLiteral("25"));

        moveDown();
        QTRY_COMPARE(main().ComboBox_SEL->currentIndex(), 1);
        QCOMPARE(main().Label_Prn_Top->text(), QStringLiteral("7"));
        QCOMPARE(main().Label_Prn_Left->text(), QStringLiteral("8"));
    }

    void declineMargins()
    {
        slipcheck::writeAssignments(folder(), {{slipTypes()[0], "Printer A", "0", "3", "4"}});
        m_window->chooseSlipType(0);
        const QString before = iniText(folder());
        Dialogs::answerNext(false);
        Dialogs::answerNextDialog([](QDialog& dialog) {
            auto& d = static_cast<TForm_SLIP97YPrn&>(dialog);
            d.show();
            [&] {
                typeMargin(d.KeNumEdit_TOP, "99");
                QTest::mouseClick(d.BitBtn_MRGN, Qt::LeftButton);
                QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
                QVERIFY(d.isVisible());
                QTest::keyClick(d.KeNumEdit_TOP, Qt::Key_Escape);
                QTRY_VERIFY(!d.isVisible());
            }();
            return d.result();
        });
        QTest::mouseClick(main().BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QCOMPARE(iniText(folder()), before);
        QCOMPARE(main().Label_Prn_Top->text(), QStringLiteral("3"));
    }

    void dialogKeys()
    {
        m_window->chooseSlipType(0);
        Dialogs::answerNextDialog([](QDialog& dialog) {
            auto& d = static_cast<TForm_SLIP97YPrn&>(dialog);
            d.show();
            [&] {
                QVERIFY(QTest::qWaitForWindowExposed(&d));
                QCOMPARE(d.windowTitle(), QStringLiteral("印字位置調整"));
                QCOMPARE(d.frameGeometry().size(), QSize(190, 160));
                QTRY_VERIFY(d.KeNumEdit_TOP->hasFocus());
                QTest::keyClick(d.KeNumEdit_TOP, Qt::Key_Up);
                QVERIFY(d.KeNumEdit_TOP->hasFocus());
                QTest::keyClick(d.KeNumEdit_TOP, Qt::Key_Enter);
                QTRY_VERIFY(d.KeNumEdit_LEFT->hasFocus());
                QTest::keyClick(d.KeNumEdit_LEFT, Qt::Key_Up);
                QTRY_VERIFY(d.KeNumEdit_TOP->hasFocus());
                // Whole dots only: the point is refused.
                typeMargin(d.KeNumEdit_TOP, "1.5");
                QCOMPARE(d.KeNumEdit_TOP->text(), QStringLiteral("15"));
            }();
            d.reject();
            return d.result();
        });
        QTest::mouseClick(main().BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QCOMPARE(main().Label_Prn_Top->text(), QStringLiteral("0"));
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
        slipcheck::writeAssignments(folder(), {{slipTypes()[4], "old name", "1", "-5", "6"},
                                               {slipTypes()[5], "Printer A", "0", "1", "2"}});
        m_window->chooseSlipType(4);
        const QStringList untouched = section(folder(), slipTypes()[5]);
        Dialogs::answerNextDialog([confirm](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox_Printer"));
            [&] { QVERIFY(printers); }();
            if (!printers)
                return int(QDialog::Rejected);
            QTest::keyClick(printers, Qt::Key_Down);
            return int(confirm ? QDialog::Accepted : QDialog::Rejected);
        });
        QTest::mouseClick(main().BitBtn_PrnSet, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);

        const QString name = stored == "2" ? "Printer C" : "Printer B";
        QCOMPARE(section(folder(), slipTypes()[4]), keys(name, stored, "-5", "6"));
        QCOMPARE(section(folder(), slipTypes()[5]), untouched);
        QCOMPARE(main().Label_PrinterIndex->text(), stored);
        QCOMPARE(main().ComboBox1->currentText(), name);
        QVERIFY(Dialogs::takeShown().size() == 1); // the setup dialog, nothing else
    }
};

QTEST_MAIN(TestPrinterAssignment)
#include "test_printerassignment.moc"
