// SPDX-License-Identifier: GPL-3.0-or-later
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

    m_printDate = checkBox(m_optionsBand, QStringLiteral("CheckBox_Date_1"), QStringLiteral("日付"),
                           QRect(322, 5, 46, 17), 13);
    m_printDate->setChecked(true);
    m_printDate->setToolTip(QStringLiteral("チェックをはずすと日付を印字しません"));

    m_slipDate = new QDateEdit(m_optionsBand);
    m_slipDate->setObjectName(QStringLiteral("DateTimePicker_1"));
    m_slipDate->setGeometry(370, 2, 105, 21);
    m_slipDate->setFont(gothic(13));
    m_slipDate->setCalendarPopup(true);
    // The Japanese short date, whatever the desktop's locale.
    m_slipDate->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_slipDate->setInputMethodHints(latinOnly);

    m_deliveryDateCaption =
        label(m_optionsBand, QStringLiteral("Label_de_date"), QStringLiteral("ご希望お届け日"), 478, 8, 11);
    m_deliveryMonth = edit(m_optionsBand, QStringLiteral("Edit_de_date1"), QRect(552, 4, 23, 21), 13);
    m_deliveryDay = edit(m_optionsBand, QStringLiteral("Edit_de_date2"), QRect(577, 4, 23, 21), 13);
    for (QLineEdit* box : {m_deliveryMonth, m_deliveryDay}) {
        limitTyping(box, 2);
        // Only digits go in (mainwindow_keys.cpp); an input method would get full-width text past that.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setInputMethodHints(latinOnly | Qt::ImhDigitsOnly);
    }

    m_itemsCaption =
        label(m_optionsBand, QStringLiteral("Label_3"), QStringLiteral("品名"), 307, 27, 15, true);
    const int itemTops[] = {24, 47, 71};
    QLineEdit** items[] = {&m_item1, &m_item2, &m_item3};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* item =
            edit(m_optionsBand, QStringLiteral("Edit_G%1").arg(i + 1), QRect(341, itemTops[i], 260, 24), 16);
        limitTyping(item, 30);
        *items[i] = item;
    }
    m_item1->setToolTip(QStringLiteral("30文字入力可"));

    buildTimeGroups();

    m_countCaption =
        label(m_optionsBand, QStringLiteral("Label_KOSUU"), QStringLiteral("個数"), 607, 101, 13);
    m_count = new NumberEdit(m_optionsBand);
    m_count->setObjectName(QStringLiteral("KeNumEdit_KOSUU"));
    m_count->setAutoSize(false);
    m_count->setFont(gothic(13));
    m_count->setGeometry(635, 96, 31, 21);
    m_count->setIntegerLength(3);
    m_count->setDecimalLength(0);
    m_count->setErrorBeep(false);
    // A count has no sign: the slip would show "-3" as 3.
    m_count->setMinus(false);
    m_count->setInputMethodHints(latinOnly);
    m_count->setText(QStringLiteral("1"));

    if (!webAddress().isEmpty()) {
        m_webHelpButton =
            button(m_optionsBand, QStringLiteral("BitBtn_WebHelp"), QString(), QRect(610, 24, 39, 39), false);
        m_webHelpButton->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
        m_webHelpButton->setToolTip(webAddress());
    }
    if (!mailAddress().isEmpty()) {
        m_sendMailButton = button(m_optionsBand, QStringLiteral("BitBtn_SendMail"), QStringLiteral("E-Mail"),
                                  QRect(601, 93, 60, 20), true);
        m_sendMailButton->setFont(gothic(12));
        m_sendMailButton->setToolTip(mailAddress());
    }
    // Where the count and the mail button share a corner, the count stays reachable.
    m_countCaption->raise();
    m_count->raise();
}

void MainWindow::openWebHelp()
{
    rova::desktop::openUrl(webAddress());
}

void MainWindow::writeSupportMail()
{
    rova::desktop::openMail(mailAddress());
}
