// The printer group's commands and the print command's confirmation.

#include "widgets/mainwindow.h"

#include "platform/tpvprinter.h"
#include "rules/assignmentfile.h"
#include "rules/strtoint.h"
#include "widgets/dialogs.h"
#include "widgets/printersetupdialog.h"
#include "widgets/printpositiondialog.h"
#include "widgets/tpv_d97_dot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void MainWindow::SpeedButton_F11Click()
{
    if (!rova::Dialogs::ask(this, QStringLiteral("印刷しますか?"))) {
        Edit_G1->setFocus();
        return;
    }
    Pv_d97_Dot->PrintSlip();
}

void MainWindow::SpeedButton_PrnIdGetClick()
{
    const rova::slip::PrinterAssignment assignment =
        rova::slip::AssignmentFile(Label_CurrentDir->text()).load(ComboBox_SEL->currentText());
    Label_PrinterIndex->setText(assignment.printerIndex);
    Label_Prn_Top->setText(assignment.top);
    Label_Prn_Left->setText(assignment.left);
    SpeedButton_PRNSETClick();
}

void MainWindow::SpeedButton_PRNSETClick()
{
    TPvPrinter& printer = PvPrinter();
    const int index = rova::strToInt(Label_PrinterIndex->text());
    try {
        printer.SetIndex(index);
    } catch (const EPVPrinterRangeError&) {
        // A printer removed since it was registered: fall back to the first one.
        printer.SetIndex(0);
        return;
    }

    // Both read before the box is touched, so a printer object that fails leaves the names shown
    // last in place.
    QStringList names;
    int current = -1;
    try {
        names = printer.GetPrinterNames();
        current = printer.GetIndex();
    } catch (const EPvPrinter&) {
        ComboBox1->setEnabled(false);
        return;
    }
    ComboBox1->clear();
    ComboBox1->addItems(names);
    ComboBox1->setCurrentIndex(current);
    ComboBox1->setEnabled(true);
    const auto fill = [](QComboBox* box, auto names, auto index) {
        box->clear();
        try {
            box->addItems(names());
            box->setCurrentIndex(index());
        } catch (const EPvPrinter&) {
            box->setCurrentIndex(-1);
        }
    };
    fill(
        ComboBox2, [&] { return printer.GetPaperSizeNames(); }, [&] { return printer.GetPaperSizeIndex(); });
    fill(
        ComboBox3, [&] { return printer.GetBinNames(); }, [&] { return printer.GetBinIndex(); });
}

void MainWindow::BitBtn_PrnSetClick()
{
    SpeedButton_PrnIdGetClick();

    TPvPrinter& printer = PvPrinter();
    const int registered = rova::strToIntDef(Label_PrinterIndex->text(), 0);
    printer.SetIndex(registered == printer.GetIndex() ? registered : 0);

    // Cancelling leaves the printer as it was; the registration goes on either way.
    PrinterSetupDialog(this).Execute();

    Label_PrinterIndex->setText(QString::number(printer.GetIndex()));
    const QString slipType = ComboBox_SEL->currentText();
    SpeedButton_PRNSETClick();
    rova::slip::AssignmentFile(Label_CurrentDir->text())
        .store(slipType, {ComboBox1->currentText(), Label_PrinterIndex->text(), Label_Prn_Top->text(),
                          Label_Prn_Left->text()});
}

void MainWindow::BitBtn_PrnSet2Click()
{
    rova::Dialogs::exec(*Form_SLIP97YPrn);
}
