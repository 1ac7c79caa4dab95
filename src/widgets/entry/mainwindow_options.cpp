// The slip options band: date, delivery date, item names, piece count, web page and e-mail buttons.

#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include "platform/system/desktop.h"
#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

namespace
{
constexpr Qt::InputMethodHints latinOnly = Qt::ImhPreferLatin | Qt::ImhLatinOnly;

QString webAddress()
{
    return QStringLiteral(ROVA_WEB_URL);
}
QString mailAddress()
{
    return QStringLiteral(ROVA_SUPPORT_MAIL);
}
} // namespace

void MainWindow::buildOptions()
{
    using namespace rova::ui;
    buildPrinterGroup();

    CheckBox_Date_1 = checkBox(Panel4, QStringLiteral("CheckBox_Date_1"), QStringLiteral("日付"),
                               QRect(322, 5, 46, 17), 13);
    CheckBox_Date_1->setChecked(true);
    CheckBox_Date_1->setToolTip(QStringLiteral("チェックをはずすと日付を印字しません"));

    DateTimePicker_1 = new QDateEdit(Panel4);
    DateTimePicker_1->setObjectName(QStringLiteral("DateTimePicker_1"));
    DateTimePicker_1->setGeometry(370, 2, 105, 21);
    DateTimePicker_1->setFont(gothic(13));
    DateTimePicker_1->setCalendarPopup(true);
    // The Japanese short date, whatever the desktop's locale.
    DateTimePicker_1->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    DateTimePicker_1->setInputMethodHints(latinOnly);

    Label_de_date =
        label(Panel4, QStringLiteral("Label_de_date"), QStringLiteral("ご希望お届け日"), 478, 8, 11);
    Edit_de_date1 = edit(Panel4, QStringLiteral("Edit_de_date1"), QRect(552, 4, 23, 21), 13);
    Edit_de_date2 = edit(Panel4, QStringLiteral("Edit_de_date2"), QRect(577, 4, 23, 21), 13);
    for (QLineEdit* box : {Edit_de_date1, Edit_de_date2}) {
        limitTyping(box, 2);
        // Only digits go in (mainwindow_keys.cpp); an input method would get full-width text past that.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setInputMethodHints(latinOnly | Qt::ImhDigitsOnly);
    }

    Label_3 = label(Panel4, QStringLiteral("Label_3"), QStringLiteral("品名"), 307, 27, 15, true);
    const int itemTops[] = {24, 47, 71};
    QLineEdit** items[] = {&Edit_G1, &Edit_G2, &Edit_G3};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* item =
            edit(Panel4, QStringLiteral("Edit_G%1").arg(i + 1), QRect(341, itemTops[i], 260, 24), 16);
        limitTyping(item, 30);
        *items[i] = item;
    }
    Edit_G1->setToolTip(QStringLiteral("30文字入力可"));

    buildTimeGroups();

    Label_KOSUU = label(Panel4, QStringLiteral("Label_KOSUU"), QStringLiteral("個数"), 607, 101, 13);
    KeNumEdit_KOSUU = new NumberEdit(Panel4);
    KeNumEdit_KOSUU->setObjectName(QStringLiteral("KeNumEdit_KOSUU"));
    KeNumEdit_KOSUU->setAutoSize(false);
    KeNumEdit_KOSUU->setFont(gothic(13));
    KeNumEdit_KOSUU->setGeometry(635, 96, 31, 21);
    KeNumEdit_KOSUU->setIntegerLength(3);
    KeNumEdit_KOSUU->setDecimalLength(0);
    KeNumEdit_KOSUU->setErrorBeep(false);
    // A count has no sign: the slip would show "-3" as 3.
    KeNumEdit_KOSUU->setMinus(false);
    KeNumEdit_KOSUU->setInputMethodHints(latinOnly);
    KeNumEdit_KOSUU->setText(QStringLiteral("1"));

    if (!webAddress().isEmpty()) {
        BitBtn_WebHelp =
            button(Panel4, QStringLiteral("BitBtn_WebHelp"), QString(), QRect(610, 24, 39, 39), false);
        BitBtn_WebHelp->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
        BitBtn_WebHelp->setToolTip(webAddress());
    }
    if (!mailAddress().isEmpty()) {
        BitBtn_SendMail = button(Panel4, QStringLiteral("BitBtn_SendMail"), QStringLiteral("E-Mail"),
                                 QRect(601, 93, 60, 20), true);
        BitBtn_SendMail->setFont(gothic(12));
        BitBtn_SendMail->setToolTip(mailAddress());
    }
    // Where the count and the mail button share a corner, the count stays reachable.
    Label_KOSUU->raise();
    KeNumEdit_KOSUU->raise();
}

void MainWindow::openWebHelp()
{
    rova::desktop::openUrl(webAddress());
}

void MainWindow::writeSupportMail()
{
    rova::desktop::openMail(mailAddress());
}
