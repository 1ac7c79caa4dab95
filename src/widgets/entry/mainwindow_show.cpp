// SPDX-License-Identifier: GPL-3.0-or-later
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
    m_slipDate->setDate(QDate::currentDate());
    m_deliveryMonth->clear();
    m_deliveryDay->clear();
    m_printSettings.top.clear();
    m_printSettings.left.clear();
    showMargins();
    clearDestination();
    clearSender();
    m_pane->clear();

    loadSettings();

    for (QWidget* shown : {static_cast<QWidget*>(m_item3), static_cast<QWidget*>(m_printDate),
                           static_cast<QWidget*>(m_slipDate), static_cast<QWidget*>(m_deliveryDateCaption),
                           static_cast<QWidget*>(m_deliveryMonth), static_cast<QWidget*>(m_deliveryDay),
                           static_cast<QWidget*>(m_senderSlots)})
        shown->show();
    m_timeSlotGroup->move(600, 2);
    m_timeSlotGroup->show();
    m_countCaption->hide();
    m_count->hide();
    m_itemsCaption->move(307, m_itemsCaption->y());
    for (QLineEdit* item : {m_item1, m_item2, m_item3})
        item->setGeometry(341, item->y(), 260, item->height());

    applySlipType();
    showRegisteredPrinter();

    m_statusLine->showMessage(QStringLiteral("  "));
    showFunctionKeys();

    // At start a slot never registered leaves the sender the settings file keeps: only picking a slot
    // shows it empty.
    if (!rova::senderbook::isSlot(senderSlot()) ||
        QFileInfo::exists(QDir(m_folder).filePath(rova::senderbook::fileName(senderSlot()))))
        loadSenderSlot();

    m_zip->setFocus(Qt::OtherFocusReason);
    // While the window is not active yet the edit receives its focus later, on activation, which
    // does not count as the operator entering it; the prompt is due now.
    if (!m_zip->hasFocus())
        fieldEntered(m_zip);
}
