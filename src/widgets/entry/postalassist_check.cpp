// SPDX-License-Identifier: GPL-3.0-or-later
// The help line's warning when a postal code does not fit its address.

#include "widgets/entry/postalassist.h"

#include "widgets/entry/mainwindow.h"

#include "rules/postal/lookup.h"
#include "rules/postal/slipcheck.h"

#include <QLabel>
#include <QLineEdit>

namespace rova
{

void PostalAssist::focusMoved(QWidget* old, QWidget* now)
{
    if (!now || now->window() != &m_window)
        return;
    // Checked when the operator leaves a code or address field; elsewhere the window's prompt stands.
    if (const Band* band = bandOf(old); band && m_index)
        checkBand(*band);
}

void PostalAssist::checkBand(const Band& band)
{
    if (!m_index)
        return;
    const postal::Check result =
        postal::check(*m_index, band.zip->text(), postal::bandAddress(band.add1->text(), band.add2->text()));
    if (!result.helpText.isEmpty())
        showHelp(result.helpText, true);
    else if (m_window.helpShowsWarning())
        showHelp(QString(), false); // the warning was put right
}

void PostalAssist::showHelp(const QString& text, bool warning)
{
    m_window.showHelp(text, warning ? MainWindow::Help::Warning : MainWindow::Help::Prompt);
}

} // namespace rova
