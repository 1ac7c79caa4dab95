// SPDX-License-Identifier: GPL-3.0-or-later
// The printer-setup dialog driven like the operator: arrow keys in its lists, a click on OK or Cancel.

#include "support/fakeprinters.h"

#include "widgets/kit/dialogs.h"
#include "widgets/printer/printersetupdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

class TestSetupDialog : public QObject
{
    Q_OBJECT
private:
    static QComboBox* combo(QDialog& d, const char* name)
    {
        auto* c = d.findChild<QComboBox*>(name);
        if (!c)
            qFatal("the setup dialog has no %s", name);
        return c;
    }
    static void press(QComboBox* c, int steps)
    {
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(c, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }

private slots:
    void init() { rova::Dialogs::setScripted(true); }
    void cleanup() { rova::Dialogs::setScripted(false); }

    void presetToCurrent()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.setCurrentIndex(1);
        chooseSettings(printer, 13);
        printer.refresh();
        QStringList printers, papers;
        QString shown[3];
        rova::Dialogs::answerNextDialog([&](QDialog& d) {
            for (int i = 0; i < combo(d, "ComboBox_Printer")->count(); ++i)
                printers << combo(d, "ComboBox_Printer")->itemText(i);
            for (int i = 0; i < combo(d, "ComboBox_PaperSize")->count(); ++i)
                papers << combo(d, "ComboBox_PaperSize")->itemText(i);
            shown[0] = combo(d, "ComboBox_Printer")->currentText();
            shown[1] = combo(d, "ComboBox_PaperSize")->currentText();
            shown[2] = combo(d, "ComboBox_Bin")->currentText();
            return int(QDialog::Rejected);
        });
        PrinterSetupDialog dialog(printer);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(printers, (QStringList{"Alpha", "Gamma"}));
        QCOMPARE(papers, (QStringList{"A4", "B5", "はがき"}));
        QCOMPARE(shown[0], QStringLiteral("Gamma"));
        QCOMPARE(shown[1], QStringLiteral("B5"));
        QCOMPARE(shown[2], QStringLiteral("手差し"));
        const QList<rova::Dialogs::Shown> seen = rova::Dialogs::takeShown();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().text, QStringLiteral("PvPrinterSetupDialog1"));
    }

    void choose_data()
    {
        QTest::addColumn<int>("printerSteps");
        QTest::addColumn<int>("paperSteps");
        QTest::addColumn<int>("binSteps");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("paperIndex");
        QTest::addColumn<int>("binIndex");
        QTest::newRow("OK on another printer: its defaults, then B5 and upper bin picked")
            << 1 << -1 << -1 << true << 1 << 1 << 1;
        QTest::newRow("OK on another printer untouched: its default paper and bin")
            << 1 << 0 << 0 << true << 1 << 2 << 2;
        QTest::newRow("OK on the current printer: keeps it, takes B5 and manual bin")
            << 0 << 1 << 1 << true << 0 << 1 << 1;
        QTest::newRow("Cancel after changing everything changes nothing")
            << 1 << 1 << 1 << false << 0 << 0 << 0;
    }
    void choose()
    {
        QFETCH(int, printerSteps);
        QFETCH(int, paperSteps);
        QFETCH(int, binSteps);
        QFETCH(bool, confirm);
        QFETCH(int, index);
        QFETCH(int, paperIndex);
        QFETCH(int, binIndex);
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        QCOMPARE(printer.paperIndex(), 0);
        rova::Dialogs::answerNextDialog([&](QDialog& d) {
            d.show();
            press(combo(d, "ComboBox_Printer"), printerSteps);
            press(combo(d, "ComboBox_PaperSize"), paperSteps);
            press(combo(d, "ComboBox_Bin"), binSteps);
            auto* buttons = d.findChild<QDialogButtonBox*>();
            QTest::mouseClick(buttons->button(confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
            return d.result();
        });
        PrinterSetupDialog dialog(printer);
        QCOMPARE(dialog.exec() == QDialog::Accepted, confirm);
        QCOMPARE(printer.currentIndex(), index);
        QCOMPARE(printer.paperIndex(), paperIndex);
        QCOMPARE(printer.binIndex(), binIndex);
    }

    void chosenPrinterFoundAgainAfterPrintersChanged()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        printer.currentIndex();
        rova::Dialogs::answerNextDialog([&](QDialog& d) {
            press(combo(d, "ComboBox_Printer"), 1);
            // Alpha goes away while the operator looks at the dialog: Gamma moves to the front.
            fake->removePrinter(QStringLiteral("Alpha"));
            printer.checkForChanges();
            return int(QDialog::Accepted);
        });
        PrinterSetupDialog dialog(printer);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(printer.printerNames(), QStringList{"Gamma"});
        QCOMPARE(printer.currentIndex(), 0);
        QCOMPARE(printer.binNames().first(), QStringLiteral("自動選択"));
    }

    void chosenPrinterGoneIsAnError()
    {
        auto fake = alphaBetaGamma();
        PrinterChoice printer(*fake);
        rova::Dialogs::answerNextDialog([&](QDialog& d) {
            press(combo(d, "ComboBox_Printer"), 1);
            fake->removePrinter(QStringLiteral("Gamma"));
            printer.checkForChanges();
            return int(QDialog::Accepted);
        });
        PrinterSetupDialog dialog(printer);
        try {
            dialog.exec();
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), QStringLiteral("プリンタ Gamma が見つかりません"));
        }
        QCOMPARE(printer.currentIndex(), 0);
    }

    void printerWithoutBinSetting()
    {
        auto fake = alphaBetaGamma();
        fake->printerNamed(QStringLiteral("Gamma")).capabilities.defaults.bin.reset();
        PrinterChoice printer(*fake);
        bool binEnabled = true;
        rova::Dialogs::answerNextDialog([&](QDialog& d) {
            press(combo(d, "ComboBox_Printer"), 1);
            binEnabled = combo(d, "ComboBox_Bin")->isEnabled();
            return int(QDialog::Accepted);
        });
        PrinterSetupDialog dialog(printer);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!binEnabled);
        QCOMPARE(printer.currentIndex(), 1);
        EXPECT_PRINTER_ERROR(printer.binIndex(), "NotSupported",
                             "TPvPrinter.GetBinIndex: Bin is not Supported");
    }
};

QTEST_MAIN(TestSetupDialog)
#include "test_setupdialog.moc"
