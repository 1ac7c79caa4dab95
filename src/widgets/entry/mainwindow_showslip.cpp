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
    const int type = ComboBox_SEL->findText(s.slipType);
    if (type >= 0 && type != ComboBox_SEL->currentIndex()) {
        ComboBox_SEL->setCurrentIndex(type);
        applySlipType();
    }
    const std::pair<QLineEdit*, QString> texts[] = {{Edit_Zip, s.zip},
                                                    {Edit_tel, s.tel},
                                                    {Edit_Add1, s.add1},
                                                    {Edit_Add2, s.add2},
                                                    {Edit_Add3, s.add3},
                                                    {Edit_Custo1, s.name},
                                                    {Edit_G1, s.g1},
                                                    {Edit_G2, s.g2},
                                                    {Edit_G3, s.g3},
                                                    {Edit_de_date1, s.deliveryMonth},
                                                    {Edit_de_date2, s.deliveryDay},
                                                    {Edit_MyZip, s.myZip},
                                                    {Edit_MyTEL, s.myTel},
                                                    {Edit_MyADD1, s.myAdd1},
                                                    {Edit_MyADD2, s.myAdd2},
                                                    {Edit_My, s.myName}};
    for (const auto& [edit, text] : texts)
        edit->setText(text);
    ComboBox_FontSize->setCurrentIndex(s.fontSizeIndex);
    KeNumEdit_KOSUU->setText(s.count);
    if (s.date.isValid())
        DateTimePicker_1->setDate(s.date);
    CheckBox_Date_1->setChecked(s.printDate);

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

    CheckBox_My->setChecked(s.printSender);
    shadeSenderFields();
    showAddressWarning();
}
