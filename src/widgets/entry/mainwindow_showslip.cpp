// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a slip into the entry window's controls: a batch row or an earlier print to correct or
// print again.

#include "widgets/entry/mainwindow.h"

#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

void MainWindow::showSlip(const rova::slip::SlipValues& s)
{
    // The slip-type change empties the count and unticks the time boxes, so it comes first.
    const int type = m_slipType->findText(s.slipType);
    if (type >= 0 && type != m_slipType->currentIndex()) {
        m_slipType->setCurrentIndex(type);
        applySlipType();
    }
    const std::pair<QLineEdit*, QString> texts[] = {{m_zip, s.zip},
                                                    {m_tel, s.tel},
                                                    {m_add1, s.add1},
                                                    {m_add2, s.add2},
                                                    {m_add3, s.add3},
                                                    {m_name, s.name},
                                                    {m_item1, s.g1},
                                                    {m_item2, s.g2},
                                                    {m_item3, s.g3},
                                                    {m_deliveryMonth, s.deliveryMonth},
                                                    {m_deliveryDay, s.deliveryDay},
                                                    {m_senderZip, s.myZip},
                                                    {m_senderTel, s.myTel},
                                                    {m_senderAdd1, s.myAdd1},
                                                    {m_senderAdd2, s.myAdd2},
                                                    {m_senderName, s.myName}};
    for (const auto& [edit, text] : texts)
        edit->setText(text);
    m_fontSize->setCurrentIndex(s.fontSizeIndex);
    m_count->setText(s.count);
    if (s.date.isValid())
        m_slipDate->setDate(s.date);
    m_printDate->setChecked(s.printDate);

    // Unticked first: ticking a box unticks the others of its group.
    const QList<QCheckBox*> boxes = timeBoxes();
    for (QCheckBox* box : boxes)
        box->setChecked(false);
    for (int i = 0; i < 6; ++i)
        if (s.timeSlots[i])
            boxes[i]->setChecked(true);
    for (int i = 0; i < 2; ++i)
        if (s.promisedTimes[i])
            boxes[6 + i]->setChecked(true);

    m_printSender->setChecked(s.printSender);
    shadeSenderFields();
    showAddressWarning();
}
