#pragma once
// The printer-setup dialog: the operator picks one of the visible printers and, for it, a paper size
// and a bin. A confirmed choice becomes current in the printer object, which then re-reads its lists.

#include "platform/printsystem.h"

#include <QDialog>

class QComboBox;
class TPvPrinter;

class PrinterSetupDialog : public QDialog
{
    Q_OBJECT
public:
    // Without a printer object the program's one is used.
    explicit PrinterSetupDialog(QWidget* parent = nullptr, TPvPrinter* printer = nullptr);

    // Shows the dialog preset to the current printer; true when the operator confirmed.
    bool Execute();

private:
    void ShowPrinter(int visibleIndex);
    void Apply();

    TPvPrinter& m_printer;
    QComboBox* m_printers;
    QComboBox* m_papers;
    QComboBox* m_bins;
    rova::print::Capabilities m_shown; // of the printer chosen in the list
    int m_current = -1;                // visible index of the current printer when opened
};
