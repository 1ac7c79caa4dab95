// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/printer: the printer set-up and print position dialogs, the printer check.
//
// The printer-setup dialog (the form's printer setup dialog component): the operator picks one of the
// visible printers and, for it, a paper size and a bin. A confirmed choice becomes current in the
// printer model, which then re-reads its lists.

#include "platform/print/printsystem.h"

#include <QDialog>

class QComboBox;

namespace rova::print
{
class PrinterChoice;
}

class PrinterSetupDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PrinterSetupDialog(rova::print::PrinterChoice& printers, QWidget* parent = nullptr);

    // Shows the dialog preset to the current printer; Accepted when the operator confirmed, and then
    // the choice is current in the printer model.
    int exec() override;

private:
    void showPrinter(int visibleIndex);
    void apply();

    rova::print::PrinterChoice& m_printer;
    QComboBox* m_printers;
    QComboBox* m_papers;
    QComboBox* m_bins;
    rova::print::Capabilities m_shown; // of the printer chosen in the list
    int m_current = -1;                // visible index of the current printer when opened
};
