// The printer group's commands and the print command's confirmation.

#include "widgets/mainwindow.h"

#include "platform/slipjobs.h"
#include "rules/assignmentfile.h"
#include "rules/strtoint.h"
#include "widgets/dialogs.h"
#include "widgets/printersetupdialog.h"
#include "widgets/printpositiondialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using rova::print::PrinterError;

void MainWindow::SpeedButton_F11Click()
{
    const rova::slip::SlipValues slip = slipValues();
    const QStringList question = QStringList{QStringLiteral("印刷しますか?")} + printWarnings(slip);
    if (!rova::Dialogs::ask(this, question.join(QLatin1Char('\n')))) {
        Edit_G1->setFocus();
        return;
    }
    m_jobs.print({slip}, m_printSettings);
}

void MainWindow::addPrintCheck(PrintCheck check)
{
    m_printChecks.append(std::move(check));
}

QStringList MainWindow::printWarnings(const rova::slip::SlipValues& slip) const
{
    return printWarnings(slip, m_printSettings);
}

QStringList MainWindow::printWarnings(const rova::slip::SlipValues& slip,
                                      const rova::slip::PrintSettings& settings) const
{
    QStringList lines;
    for (const PrintCheck& check : m_printChecks)
        lines += check(slip, settings);
    return lines;
}

void MainWindow::showMargins()
{
    Label_Prn_Top->setText(m_printSettings.top);
    Label_Prn_Left->setText(m_printSettings.left);
}

void MainWindow::registerMargins(const QString& top, const QString& left)
{
    rova::slip::PrintSettings changed = m_printSettings;
    changed.printerName = ComboBox1->currentText();
    changed.top = top;
    changed.left = left;
    rova::slip::AssignmentFile(m_folder).store(ComboBox_SEL->currentText(), changed);
    m_printSettings = changed;
    showMargins();
}

void MainWindow::SpeedButton_PrnIdGetClick()
{
    m_printSettings = rova::slip::AssignmentFile(m_folder).load(ComboBox_SEL->currentText());
    showMargins();
    SpeedButton_PRNSETClick();
}

void MainWindow::SpeedButton_PRNSETClick()
{
    const int index = rova::strToInt(m_printSettings.printerIndex);
    try {
        m_printers.setCurrentIndex(index);
    } catch (const PrinterError& e) {
        if (e.kind() != PrinterError::Kind::Range)
            throw;
        // A printer removed since it was registered: fall back to the first one.
        m_printers.setCurrentIndex(0);
        return;
    }

    // Both read before the box is touched, so a printer model that fails leaves the names shown
    // last in place.
    QStringList names;
    int current = -1;
    try {
        names = m_printers.printerNames();
        current = m_printers.currentIndex();
    } catch (const PrinterError&) {
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
        } catch (const PrinterError&) {
            box->setCurrentIndex(-1);
        }
    };
    fill(
        ComboBox2, [&] { return m_printers.paperNames(); }, [&] { return m_printers.paperIndex(); });
    fill(
        ComboBox3, [&] { return m_printers.binNames(); }, [&] { return m_printers.binIndex(); });
}

void MainWindow::BitBtn_PrnSetClick()
{
    SpeedButton_PrnIdGetClick();

    const int registered = rova::strToIntDef(m_printSettings.printerIndex, 0);
    m_printers.setCurrentIndex(registered == m_printers.currentIndex() ? registered : 0);

    // Cancelling leaves the printer as it was; the registration goes on either way.
    PrinterSetupDialog(m_printers, this).Execute();

    m_printSettings.printerIndex = QString::number(m_printers.currentIndex());
    const QString slipType = ComboBox_SEL->currentText();
    SpeedButton_PRNSETClick();
    m_printSettings.printerName = ComboBox1->currentText();
    rova::slip::AssignmentFile(m_folder).store(slipType, m_printSettings);
}

void MainWindow::BitBtn_PrnSet2Click()
{
    rova::Dialogs::exec(*Form_SLIP97YPrn);
}
