// SPDX-License-Identifier: GPL-3.0-or-later
// The printer group's commands and the print command's confirmation.

#include "widgets/entry/mainwindow.h"

#include "platform/print/registeredprinter.h"
#include "platform/print/slipjobs.h"
#include "rules/files/assignmentfile.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/widgetkit.h"
#include "widgets/printer/printersetupdialog.h"
#include "widgets/printer/printpositiondialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using rova::print::PrinterError;
using rova::print::registeredPrinter;
using rova::print::registeredPrinterName;

void MainWindow::confirmAndPrint()
{
    const rova::slip::SlipValues slip = slipValues();
    const bool printed = m_jobs.print({slip}, m_printSettings, [&](const rova::print::PageSetup* page) {
        const QStringList question =
            QStringList{QStringLiteral("印刷しますか?")} + printWarnings(slip, m_printSettings, page);
        return rova::Dialogs::ask(this, question.join(QLatin1Char('\n')));
    });
    if (!printed)
        m_item1->setFocus();
}

void MainWindow::addPrintCheck(PrintCheck check)
{
    m_printChecks.append(std::move(check));
}

QStringList MainWindow::printWarnings(const rova::slip::SlipValues& slip,
                                      const rova::slip::PrintSettings& settings,
                                      const rova::print::PageSetup* page) const
{
    QStringList lines;
    for (const PrintCheck& check : m_printChecks)
        lines += check(slip, settings, page);
    return lines;
}

void MainWindow::showMargins()
{
    m_topMargin->setText(m_printSettings.top);
    m_leftMargin->setText(m_printSettings.left);
}

void MainWindow::registerMargins(const QString& top, const QString& left)
{
    rova::slip::PrintSettings changed = m_printSettings;
    // A file from before names were kept learns the name of the printer its number chose.
    if (changed.printerName.isEmpty() && m_printerBox->isEnabled())
        changed.printerName = m_printerBox->currentText();
    changed.top = top;
    changed.left = left;
    rova::slip::AssignmentFile(m_folder).store(m_slipType->currentText(), changed);
    m_printSettings = changed;
    showMargins();
}

void MainWindow::loadPrintSettings()
{
    m_printSettings = rova::slip::AssignmentFile(m_folder).load(m_slipType->currentText());
    showMargins();
    showRegisteredPrinter();
}

void MainWindow::showRegisteredPrinter()
{
    // The registered printer or none: a missing one, or a list the server did not give, is shown in
    // the group and refused by the print command, never stood in for by another printer.
    int index = -1;
    try {
        index = registeredPrinter(m_printers.printerNames(), m_printSettings, m_slipType->currentText());
    } catch (const PrinterError& e) {
        if (e.kind() == PrinterError::Kind::NotFound)
            showPrinterMissing(registeredPrinterName(m_printSettings) + QStringLiteral(" (見つかりません)"));
        else if (e.kind() == PrinterError::Kind::Unreachable)
            showPrinterMissing(e.message());
        else
            throw;
        return;
    }
    m_printers.setCurrentIndex(index);

    // Both read before the box is touched, so a printer model that fails leaves the names shown
    // last in place.
    QStringList names;
    int current = -1;
    try {
        names = m_printers.printerNames();
        current = m_printers.currentIndex();
    } catch (const PrinterError&) {
        m_printerBox->setEnabled(false);
        return;
    }
    m_printerBox->clear();
    m_printerBox->addItems(names);
    m_printerBox->setCurrentIndex(current);
    m_printerBox->setEnabled(true);
    m_printerBox->setToolTip(QString());
    rova::ui::setTextColour(m_printerBox, palette().color(QPalette::Text));
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
        m_paperBox, [&] { return m_printers.paperNames(); }, [&] { return m_printers.paperIndex(); });
    fill(
        m_binBox, [&] { return m_printers.binNames(); }, [&] { return m_printers.binIndex(); });
}

void MainWindow::setUpPrinter()
{
    loadPrintSettings();

    // The dialog starts on the registered printer, or on the first when it is missing.
    int start = 0;
    try {
        start = registeredPrinter(m_printers.printerNames(), m_printSettings, QString());
    } catch (const PrinterError& e) {
        if (e.kind() != PrinterError::Kind::NotFound)
            throw;
    }
    m_printers.setCurrentIndex(start);

    // Cancelling leaves the printer as it was; the registration goes on either way.
    PrinterSetupDialog(m_printers, this).exec();

    m_printSettings.printerIndex = QString::number(m_printers.currentIndex());
    m_printSettings.printerName = rova::slip::AssignmentFile::storedName(m_printers.currentName().trimmed());
    const QString slipType = m_slipType->currentText();
    showRegisteredPrinter();
    rova::slip::AssignmentFile(m_folder).store(slipType, m_printSettings);
}

void MainWindow::openPrintPosition()
{
    rova::Dialogs::exec(*m_printPositionDialog);
}
