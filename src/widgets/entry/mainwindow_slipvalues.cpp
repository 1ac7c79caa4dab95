// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the slip out of the entry window's controls, as they stand when it is printed.

#include "widgets/entry/mainwindow.h"

#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

rova::slip::SlipValues MainWindow::slipValues() const
{
    rova::slip::SlipValues s;
    s.slipType = m_slipType->currentText();
    s.zip = m_zip->text();
    s.tel = m_tel->text();
    s.add1 = m_add1->text();
    s.add2 = m_add2->text();
    s.add3 = m_add3->text();
    s.name = m_name->text();
    s.fontSizeIndex = m_fontSize->currentIndex();
    s.g1 = m_item1->text();
    s.g2 = m_item2->text();
    s.g3 = m_item3->text();
    s.count = m_count->text();
    s.date = m_slipDate->date();
    s.printDate = m_printDate->isChecked();
    s.deliveryMonth = m_deliveryMonth->text();
    s.deliveryDay = m_deliveryDay->text();
    const QCheckBox* boxes[] = {m_timeSlot1, m_timeSlot2, m_timeSlot3, m_timeSlot4, m_timeSlot5, m_timeSlot6};
    for (int i = 0; i < 6; ++i)
        s.timeSlots[i] = boxes[i]->isChecked();
    s.promisedTimes = {m_promisedTime1->isChecked(), m_promisedTime2->isChecked()};
    s.printSender = m_printSender->isChecked();
    s.myZip = m_senderZip->text();
    s.myTel = m_senderTel->text();
    s.myAdd1 = m_senderAdd1->text();
    s.myAdd2 = m_senderAdd2->text();
    s.myName = m_senderName->text();
    return s;
}
