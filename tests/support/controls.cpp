// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controls.h"

#include "widgets/entry/mainwindow.h"
#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

namespace testsupport
{

QWidget* findOptionalControl(const QWidget* window, const QString& name)
{
    // A dialog of the window is its child too and may reuse a name ("Label1", "GroupBox1").
    for (QWidget* child : window->findChildren<QWidget*>(name)) {
        if (child->window() == window)
            return child;
    }
    return nullptr;
}

QWidget* findControl(const QWidget* window, const QString& name, const char* type)
{
    QWidget* found = findOptionalControl(window, name);
    if (!found || !found->inherits(type))
        qFatal("the window %s has no %s named %s", qPrintable(window->objectName()), type, qPrintable(name));
    return found;
}

MainWindowControls::MainWindowControls(const MainWindow& w)
    : Panel3(control<QFrame>(&w, QStringLiteral("Panel3"))),
      Panel1(control<QFrame>(&w, QStringLiteral("Panel1"))),
      PanelSender(control<QFrame>(&w, QStringLiteral("PanelSender"))),
      Panel4(control<QFrame>(&w, QStringLiteral("Panel4"))),
      Panel_HelpMess(control<QLabel>(&w, QStringLiteral("Panel_HelpMess"))),
      Panel_Fnc(control<QFrame>(&w, QStringLiteral("Panel_Fnc"))),
      StatusBar1(control<QStatusBar>(&w, QStringLiteral("StatusBar1"))),
      Label1(control<QLabel>(&w, QStringLiteral("Label1"))),
      Memo1(control<QPlainTextEdit>(&w, QStringLiteral("Memo1"))),
      BitBtn_1(control<QPushButton>(&w, QStringLiteral("BitBtn_1"))),
      Label8(control<QLabel>(&w, QStringLiteral("Label8"))),
      Label12(control<QLabel>(&w, QStringLiteral("Label12"))),
      BitBtn_MemoCLS(control<QPushButton>(&w, QStringLiteral("BitBtn_MemoCLS"))),
      Label_1(control<QLabel>(&w, QStringLiteral("Label_1"))),
      Edit_Zip(control<QLineEdit>(&w, QStringLiteral("Edit_Zip"))),
      Label_Warning(control<QLabel>(&w, QStringLiteral("Label_Warning"))),
      Edit_Add1(control<QLineEdit>(&w, QStringLiteral("Edit_Add1"))),
      Edit_Add2(control<QLineEdit>(&w, QStringLiteral("Edit_Add2"))),
      Edit_Add3(control<QLineEdit>(&w, QStringLiteral("Edit_Add3"))),
      Edit_Custo1(control<QLineEdit>(&w, QStringLiteral("Edit_Custo1"))),
      Edit_tel(control<QLineEdit>(&w, QStringLiteral("Edit_tel"))),
      BitBtn_CLS(control<QPushButton>(&w, QStringLiteral("BitBtn_CLS"))),
      Label10(control<QLabel>(&w, QStringLiteral("Label10"))),
      ComboBox_FontSize(control<QComboBox>(&w, QStringLiteral("ComboBox_FontSize"))),
      CheckBox_My(control<QCheckBox>(&w, QStringLiteral("CheckBox_My"))),
      PageControl_My(control<QTabBar>(&w, QStringLiteral("PageControl_My"))),
      Edit_MyZip(control<QLineEdit>(&w, QStringLiteral("Edit_MyZip"))),
      Edit_MyADD1(control<QLineEdit>(&w, QStringLiteral("Edit_MyADD1"))),
      Edit_MyADD2(control<QLineEdit>(&w, QStringLiteral("Edit_MyADD2"))),
      Edit_My(control<QLineEdit>(&w, QStringLiteral("Edit_My"))),
      Edit_MyTEL(control<QLineEdit>(&w, QStringLiteral("Edit_MyTEL"))),
      BitBtn_My(control<QPushButton>(&w, QStringLiteral("BitBtn_My"))),
      Label3(control<QLabel>(&w, QStringLiteral("Label3"))),
      GroupBox1(control<QGroupBox>(&w, QStringLiteral("GroupBox1"))),
      ComboBox1(control<QComboBox>(&w, QStringLiteral("ComboBox1"))),
      ComboBox2(control<QComboBox>(&w, QStringLiteral("ComboBox2"))),
      ComboBox3(control<QComboBox>(&w, QStringLiteral("ComboBox3"))),
      Label_4(control<QLabel>(&w, QStringLiteral("Label_4"))),
      ComboBox_SEL(control<QComboBox>(&w, QStringLiteral("ComboBox_SEL"))),
      Label_Prn_Top(control<QLabel>(&w, QStringLiteral("Label_Prn_Top"))),
      Label_Prn_Left(control<QLabel>(&w, QStringLiteral("Label_Prn_Left"))),
      BitBtn_PrnSet2(control<QPushButton>(&w, QStringLiteral("BitBtn_PrnSet2"))),
      BitBtn_PrnSet(control<QPushButton>(&w, QStringLiteral("BitBtn_PrnSet"))),
      CheckBox_Date_1(control<QCheckBox>(&w, QStringLiteral("CheckBox_Date_1"))),
      DateTimePicker_1(control<QDateEdit>(&w, QStringLiteral("DateTimePicker_1"))),
      Label_de_date(control<QLabel>(&w, QStringLiteral("Label_de_date"))),
      Edit_de_date1(control<QLineEdit>(&w, QStringLiteral("Edit_de_date1"))),
      Edit_de_date2(control<QLineEdit>(&w, QStringLiteral("Edit_de_date2"))),
      Label_3(control<QLabel>(&w, QStringLiteral("Label_3"))),
      Edit_G1(control<QLineEdit>(&w, QStringLiteral("Edit_G1"))),
      Edit_G2(control<QLineEdit>(&w, QStringLiteral("Edit_G2"))),
      Edit_G3(control<QLineEdit>(&w, QStringLiteral("Edit_G3"))),
      GroupBox_Time(control<QGroupBox>(&w, QStringLiteral("GroupBox_Time"))),
      CheckBox_t1(control<QCheckBox>(&w, QStringLiteral("CheckBox_t1"))),
      CheckBox_t2(control<QCheckBox>(&w, QStringLiteral("CheckBox_t2"))),
      CheckBox_t3(control<QCheckBox>(&w, QStringLiteral("CheckBox_t3"))),
      CheckBox_t4(control<QCheckBox>(&w, QStringLiteral("CheckBox_t4"))),
      CheckBox_t5(control<QCheckBox>(&w, QStringLiteral("CheckBox_t5"))),
      CheckBox_t6(control<QCheckBox>(&w, QStringLiteral("CheckBox_t6"))),
      GroupBox_Time2(control<QGroupBox>(&w, QStringLiteral("GroupBox_Time2"))),
      CheckBox_t21(control<QCheckBox>(&w, QStringLiteral("CheckBox_t21"))),
      CheckBox_t22(control<QCheckBox>(&w, QStringLiteral("CheckBox_t22"))),
      Label_KOSUU(control<QLabel>(&w, QStringLiteral("Label_KOSUU"))),
      KeNumEdit_KOSUU(control<NumberEdit>(&w, QStringLiteral("KeNumEdit_KOSUU"))),
      BitBtn_WebHelp(static_cast<QPushButton*>(findOptionalControl(&w, QStringLiteral("BitBtn_WebHelp")))),
      BitBtn_SendMail(static_cast<QPushButton*>(findOptionalControl(&w, QStringLiteral("BitBtn_SendMail")))),
      SpeedButton_F2(control<QPushButton>(&w, QStringLiteral("SpeedButton_F2"))),
      SpeedButton_F11(control<QPushButton>(&w, QStringLiteral("SpeedButton_F11")))
{
}

} // namespace testsupport
