// The show sequence: the window's state as the operator finds it at start.

#include "widgets/entry/mainwindow.h"

#include "platform/system/programinfo.h"
#include "rules/files/senderbook.h"
#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

void MainWindow::setUpForStart()
{
    setWindowTitle(
        QStringLiteral("rova　送り状印刷　< ヤマト宅急便　> ver%1").arg(rova::programinfo::version()));
    DateTimePicker_1->setDate(QDate::currentDate());
    Edit_de_date1->clear();
    Edit_de_date2->clear();
    m_printSettings.top.clear();
    m_printSettings.left.clear();
    showMargins();
    clearDestination();
    clearSender();
    Memo1->clear();

    loadSettings();

    for (QWidget* shown : {static_cast<QWidget*>(Edit_G3), static_cast<QWidget*>(CheckBox_Date_1),
                           static_cast<QWidget*>(DateTimePicker_1), static_cast<QWidget*>(Label_de_date),
                           static_cast<QWidget*>(Edit_de_date1), static_cast<QWidget*>(Edit_de_date2),
                           static_cast<QWidget*>(PageControl_My)})
        shown->show();
    GroupBox_Time->move(600, 2);
    GroupBox_Time->show();
    Label_KOSUU->hide();
    KeNumEdit_KOSUU->hide();
    Label_3->move(307, Label_3->y());
    for (QLineEdit* item : {Edit_G1, Edit_G2, Edit_G3})
        item->setGeometry(341, item->y(), 260, item->height());

    applySlipType();
    showRegisteredPrinter();

    StatusBar1->showMessage(QStringLiteral("  "));
    showFunctionKeys();

    // At start a slot never registered leaves the sender the settings file keeps: only picking a slot
    // shows it empty.
    if (!rova::senderbook::isSlot(senderSlot()) ||
        QFileInfo::exists(QDir(m_folder).filePath(rova::senderbook::fileName(senderSlot()))))
        loadSenderSlot();

    Edit_Zip->setFocus(Qt::OtherFocusReason);
    // While the window is not active yet the edit receives its focus later, on activation, which
    // does not count as the operator entering it; the prompt is due now.
    if (!Edit_Zip->hasFocus())
        fieldEntered(Edit_Zip);
}
