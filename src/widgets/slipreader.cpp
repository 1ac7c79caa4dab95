#include "widgets/slipreader.h"

#include "widgets/mainwindow.h"
#include "widgets/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace rova::slip
{

SlipValues readSlip(const MainWindow& m)
{
    SlipValues s;
    s.slipType = m.ComboBox_SEL->currentText();
    s.zip = m.Edit_Zip->text();
    s.tel = m.Edit_tel->text();
    s.add1 = m.Edit_Add1->text();
    s.add2 = m.Edit_Add2->text();
    s.add3 = m.Edit_Add3->text();
    s.name = m.Edit_Custo1->text();
    s.fontSizeIndex = m.ComboBox_FontSize->currentIndex();
    s.g1 = m.Edit_G1->text();
    s.g2 = m.Edit_G2->text();
    s.g3 = m.Edit_G3->text();
    s.count = m.KeNumEdit_KOSUU->text();
    s.date = m.DateTimePicker_1->date();
    s.printDate = m.CheckBox_Date_1->isChecked();
    s.deliveryMonth = m.Edit_de_date1->text();
    s.deliveryDay = m.Edit_de_date2->text();
    const QCheckBox* boxes[] = {m.CheckBox_t1, m.CheckBox_t2, m.CheckBox_t3,
                                m.CheckBox_t4, m.CheckBox_t5, m.CheckBox_t6};
    for (int i = 0; i < 6; ++i)
        s.timeSlots[i] = boxes[i]->isChecked();
    s.promisedTimes = {m.CheckBox_t21->isChecked(), m.CheckBox_t22->isChecked()};
    s.printSender = m.CheckBox_My->isChecked();
    s.myZip = m.Edit_MyZip->text();
    s.myTel = m.Edit_MyTEL->text();
    s.myAdd1 = m.Edit_MyADD1->text();
    s.myAdd2 = m.Edit_MyADD2->text();
    s.myName = m.Edit_My->text();
    return s;
}

} // namespace rova::slip
