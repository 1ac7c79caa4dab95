// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/printer/printersetupdialog.h"

#include "platform/print/printerchoice.h"

#include "widgets/kit/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace
{

QComboBox* addCombo(QFormLayout* form, const QString& label, const QString& name)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    form->addRow(label, combo);
    return combo;
}

template <typename Choice>
void fill(QComboBox* combo, const QList<Choice>& choices, std::optional<int> code, bool last)
{
    int preset = -1;
    for (int i = 0; i < choices.size(); ++i) {
        combo->addItem(choices[i].name);
        if (code == choices[i].code && (preset < 0 || last))
            preset = i;
    }
    combo->setCurrentIndex(preset);
    // A printer without the setting has nothing to choose.
    combo->setEnabled(code.has_value() && !choices.isEmpty());
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(rova::print::PrinterChoice& printers, QWidget* parent)
    : QDialog(parent), m_printer(printers)
{
    setObjectName(QStringLiteral("PvPrinterSetupDialog1"));
    setWindowTitle(QStringLiteral("プリンタの設定"));
    auto* form = new QFormLayout(this);
    m_printers = addCombo(form, QStringLiteral("プリンタ名"), QStringLiteral("ComboBox_Printer"));
    m_papers = addCombo(form, QStringLiteral("用紙サイズ"), QStringLiteral("ComboBox_PaperSize"));
    m_bins = addCombo(form, QStringLiteral("給紙方法"), QStringLiteral("ComboBox_Bin"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_printers, &QComboBox::activated, this,
            [this](int index) { rova::guarded(this, [this, index] { showPrinter(index); }); });
}

int PrinterSetupDialog::exec()
{
    const QStringList names = m_printer.printerNames();
    m_printers->clear();
    m_printers->addItems(names);
    try {
        m_current = m_printer.currentIndex();
    } catch (const rova::print::PrinterError&) {
        m_current = -1; // a hidden current printer is not in the list
    }
    m_printers->setCurrentIndex(m_current);
    rova::guarded(this, [this] { showPrinter(m_current); });
    if (rova::Dialogs::exec(*this) != QDialog::Accepted)
        return QDialog::Rejected;
    apply();
    return QDialog::Accepted;
}

void PrinterSetupDialog::showPrinter(int visibleIndex)
{
    m_papers->clear();
    m_bins->clear();
    m_shown = {};
    if (visibleIndex < 0)
        return;
    m_shown = m_printer.system().capabilities(m_printers->itemText(visibleIndex));
    // The current printer shows its settings as they stand; another one starts from its defaults.
    const rova::print::DeviceMode mode =
        visibleIndex == m_current ? m_printer.deviceMode() : m_shown.defaults;
    fill(m_papers, m_shown.papers, mode.paper, false);
    fill(m_bins, m_shown.bins, mode.bin, true);
}

void PrinterSetupDialog::apply()
{
    if (m_printers->currentIndex() < 0)
        return;
    // Printers may have come or gone while the dialog was open: find the chosen one again by name.
    const QString name = m_printers->currentText();
    const int chosen = int(m_printer.printerNames().indexOf(name));
    if (chosen < 0)
        throw rova::Error(QStringLiteral("プリンタ %1 が見つかりません").arg(name));
    m_printer.setCurrentIndex(chosen);
    rova::print::DeviceMode mode = m_printer.deviceMode();
    if (mode.paper && m_papers->currentIndex() >= 0)
        mode.paper = m_shown.papers.at(m_papers->currentIndex()).code;
    if (mode.bin && m_bins->currentIndex() >= 0)
        mode.bin = m_shown.bins.at(m_bins->currentIndex()).code;
    m_printer.setDeviceMode(mode);
    m_printer.refresh();
}
