// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry window's controls, found by the objectNames the forms give them, as a test sees the
// window from outside. A control that is not there stops the test with its name.

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabBar;
class MainWindow;
class NumberEdit;

namespace testsupport
{

// The child of the window named so, in that window (not in one of its dialogs); fails naming it.
QWidget* findControl(const QWidget* window, const QString& name, const char* type);
// The same, null when the window has none.
QWidget* findOptionalControl(const QWidget* window, const QString& name);

template <typename T> T* control(const QWidget* window, const QString& name)
{
    return static_cast<T*>(findControl(window, name, T::staticMetaObject.className()));
}

struct MainWindowControls {
    explicit MainWindowControls(const MainWindow& window);

    QFrame* Panel3;
    QFrame* Panel1;
    QFrame* PanelSender;
    QFrame* Panel4;
    QLabel* Panel_HelpMess;
    QFrame* Panel_Fnc;
    QStatusBar* StatusBar1;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn_1;
    QLabel* Label8;
    QLabel* Label12;
    QPushButton* BitBtn_MemoCLS;
    QLabel* Label_1;
    QLineEdit* Edit_Zip;
    QLabel* Label_Warning;
    QLineEdit* Edit_Add1;
    QLineEdit* Edit_Add2;
    QLineEdit* Edit_Add3;
    QLineEdit* Edit_Custo1;
    QLineEdit* Edit_tel;
    QPushButton* BitBtn_CLS;
    QLabel* Label10;
    QComboBox* ComboBox_FontSize;
    QCheckBox* CheckBox_My;
    QTabBar* PageControl_My;
    QLineEdit* Edit_MyZip;
    QLineEdit* Edit_MyADD1;
    QLineEdit* Edit_MyADD2;
    QLineEdit* Edit_My;
    QLineEdit* Edit_MyTEL;
    QPushButton* BitBtn_My;
    QLabel* Label3;
    QGroupBox* GroupBox1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QLabel* Label_4;
    QComboBox* ComboBox_SEL;
    QLabel* Label_Prn_Top;
    QLabel* Label_Prn_Left;
    QPushButton* BitBtn_PrnSet2;
    QPushButton* BitBtn_PrnSet;
    QCheckBox* CheckBox_Date_1;
    QDateEdit* DateTimePicker_1;
    QLabel* Label_de_date;
    QLineEdit* Edit_de_date1;
    QLineEdit* Edit_de_date2;
    QLabel* Label_3;
    QLineEdit* Edit_G1;
    QLineEdit* Edit_G2;
    QLineEdit* Edit_G3;
    QGroupBox* GroupBox_Time;
    QCheckBox* CheckBox_t1;
    QCheckBox* CheckBox_t2;
    QCheckBox* CheckBox_t3;
    QCheckBox* CheckBox_t4;
    QCheckBox* CheckBox_t5;
    QCheckBox* CheckBox_t6;
    QGroupBox* GroupBox_Time2;
    QCheckBox* CheckBox_t21;
    QCheckBox* CheckBox_t22;
    QLabel* Label_KOSUU;
    NumberEdit* KeNumEdit_KOSUU;
    QPushButton* BitBtn_WebHelp;  // null when the build has no address for it
    QPushButton* BitBtn_SendMail; // null when the build has no address for it
    QPushButton* SpeedButton_F2;
    QPushButton* SpeedButton_F11;
};

inline MainWindowControls ui(const MainWindow& window)
{
    return MainWindowControls(window);
}
inline MainWindowControls ui(const MainWindow* window)
{
    return MainWindowControls(*window);
}

} // namespace testsupport

using testsupport::ui;
