// SPDX-License-Identifier: GPL-3.0-or-later
// Code to address when the operator moves on from a postal code, address to code on F4.

#include "widgets/entry/postalassist.h"

#include "widgets/entry/mainwindow.h"

#include "rules/postal/lookup.h"
#include "rules/postal/postalcode.h"
#include "rules/postal/slipcheck.h"
#include "rules/postal/texts.h"
#include "widgets/entry/filledaddress.h"
#include "widgets/kit/choicelist.h"

#include <QApplication>
#include <QLineEdit>

namespace rova
{

void PostalAssist::fillAddress(const Band& band)
{
    if (!band.add1->text().trimmed().isEmpty())
        return;
    const QList<postal::Place> places = postal::placesOf(*m_index, band.zip->text());
    if (places.isEmpty())
        return;
    band.town->fill(places.first().address);
    if (places.size() == 1 && places.first().office.isEmpty())
        return;
    // Other towns of the code, or an office whose name the operator may want on the slip.
    QStringList lines;
    for (const postal::Place& place : places)
        lines << postal::text::choice(place);
    const auto chosen = chooseLine(
        &m_window, QStringLiteral("郵便番号 %1 のおところを選んでください").arg(places.first().code), lines);
    if (!chosen)
        return;
    const postal::Place& place = places.at(*chosen);
    band.town->fill(place.address);
    if (!place.office.isEmpty())
        band.officeName->setText(place.office);
}

void PostalAssist::findCode()
{
    const QWidget* focused = QApplication::focusWidget();
    const QWidget* senderBand = m_sender.zip->parentWidget();
    const Band& band = focused && senderBand->isAncestorOf(focused) ? m_sender : m_destination;
    if (!band.zip->text().trimmed().isEmpty()) {
        checkBand(band);
        return;
    }
    const QList<postal::Place> found =
        postal::codesOf(*m_index, postal::bandAddress(band.add1->text(), band.add2->text()));
    if (found.isEmpty()) {
        showHelp(postal::text::noCodeForAddress(), true);
        return;
    }
    int pick = 0;
    if (found.size() > 1) {
        QStringList lines;
        for (const postal::Place& place : found)
            lines << postal::text::codeChoice(place);
        const auto chosen = chooseLine(&m_window, QStringLiteral("郵便番号を選んでください"), lines);
        if (!chosen)
            return;
        pick = *chosen;
    }
    band.zip->setText(found.at(pick).code);
    showHelp(QStringLiteral("郵便番号 %1 を入れました").arg(found.at(pick).code), false);
}

} // namespace rova
