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
    s.slipType = ComboBox_SEL->currentText();
    s.zip = Edit_Zip->text();
    s.tel = Edit_tel->text();
    s.add1 = Edit_Add1->text();
    s.add2 = Edit_Add2->text();
    s.add3 = Edit_Add3->text();
    s.name = Edit_Custo1->text();
    s.fontSizeIndex = ComboBox_FontSize->currentIndex();
    s.g1 = Edit_G1->text();
    s.g2 = Edit_G2->text();
    s.g3 = Edit_G3->text();
    s.count = KeNumEdit_KOSUU->text();
    s.date = DateTimePicker_1->date();
    s.printDate = CheckBox_Date_1->isChecked();
    s.deliveryMonth = Edit_de_date1->text();
    s.deliveryDay = Edit_de_date2->text();
    const QCheckBox* boxes[] = {CheckBox_t1, CheckBox_t2, CheckBox_t3, CheckBox_t4, CheckBox_t5, CheckBox_t6};
    for (int i = 0; i < 6; ++i)
        s.timeSlots[i] = boxes[i]->isChecked();
    s.promisedTimes = {CheckBox_t21->isChecked(), CheckBox_t22->isChecked()};
    s.printSender = CheckBox_My->isChecked();
    s.myZip = Edit_MyZip->text();
    s.myTel = Edit_MyTEL->text();
    s.myAdd1 = Edit_MyADD1->text();
    s.myAdd2 = Edit_MyADD2->text();
    s.myName = Edit_My->text();
    return s;
}
