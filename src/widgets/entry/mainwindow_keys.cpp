// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard flow: Enter walks the fields and Up walks back; the function keys are in
// mainwindow_functionkeys.cpp.

#include "widgets/entry/mainwindow.h"

#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

void MainWindow::buildTabOrder()
{
    QList<QWidget*> order{m_zip,
                          m_add1,
                          m_add2,
                          m_add3,
                          m_name,
                          m_tel,
                          m_senderSlots,
                          m_printSender,
                          m_senderZip,
                          m_senderAdd1,
                          m_senderAdd2,
                          m_senderName,
                          m_senderTel,
                          m_registerSenderButton,
                          m_printDate,
                          m_slipDate,
                          m_deliveryMonth,
                          m_deliveryDay,
                          m_item1,
                          m_item2,
                          m_item3,
                          m_count,
                          m_timeSlot1,
                          m_timeSlot2,
                          m_timeSlot3,
                          m_timeSlot4,
                          m_timeSlot5,
                          m_timeSlot6,
                          m_promisedTime1,
                          m_promisedTime2,
                          m_slipType,
                          m_pane,
                          m_transferButton,
                          m_clearPaneButton};
    if (m_sendMailButton)
        order.append(m_sendMailButton);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::installKeyHandlers()
{
    const auto attach = [this](QWidget* field, KeyRow row) {
        m_keyRows.insert(field, row);
        field->installEventFilter(this);
    };
    for (QWidget* field : {static_cast<QWidget*>(m_add1), static_cast<QWidget*>(m_add2),
                           static_cast<QWidget*>(m_add3), static_cast<QWidget*>(m_name),
                           static_cast<QWidget*>(m_senderZip), static_cast<QWidget*>(m_senderAdd1),
                           static_cast<QWidget*>(m_senderAdd2), static_cast<QWidget*>(m_senderName),
                           static_cast<QWidget*>(m_senderTel), static_cast<QWidget*>(m_slipDate),
                           static_cast<QWidget*>(m_deliveryMonth), static_cast<QWidget*>(m_deliveryDay),
                           static_cast<QWidget*>(m_item1), static_cast<QWidget*>(m_item3)})
        attach(field, KeyRow::Form);
    // The date picker types into an inner edit, which sees the keys first.
    if (auto* inner = m_slipDate->findChild<QLineEdit*>())
        attach(inner, KeyRow::Form);
    attach(m_zip, KeyRow::Zip);
    attach(m_tel, KeyRow::Tel);
    attach(m_item2, KeyRow::G2);
    attach(m_count, KeyRow::End);
}

namespace
{
// Digits and Backspace are all that is typed into a delivery-date box. A key that types anything else
// is dropped, the control characters of shortcuts included, so the paste shortcut does nothing there;
// Delete and the keys that move the caret type nothing and go through.
bool typesRefusedCharacter(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        break;
    }
    const QString typed = key->text();
    return !typed.isEmpty() &&
           !(typed.size() == 1 && typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9'));
}

// A delivery-date box takes no input method: it says so when asked, and a commit (full-width digits,
// kana) that arrives all the same is dropped, since it would pass by the key rule.
bool refuseInputMethod(QObject* box, QEvent* event)
{
    if (event->type() == QEvent::InputMethodQuery) {
        box->event(event);
        static_cast<QInputMethodQueryEvent*>(event)->setValue(Qt::ImEnabled, false);
    }
    return true;
}
} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (functionKey(watched, event))
        return true;
    const bool dateBox = watched == m_deliveryMonth || watched == m_deliveryDay;
    if (dateBox && (event->type() == QEvent::InputMethod || event->type() == QEvent::InputMethodQuery))
        return refuseInputMethod(watched, event);
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto row = m_keyRows.constFind(watched);
    if (row == m_keyRows.constEnd())
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (flowKey(*row, key))
        return true;
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    // Tab leaves the date picker, as everywhere else, instead of stepping through its sections.
    if (tab && (watched == m_slipDate || watched->parent() == m_slipDate)) {
        selectNext(key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }
    if (!tab && dateBox && typesRefusedCharacter(key))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::flowKey(KeyRow row, QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_F7:
        return row != KeyRow::Tel;
    case Qt::Key_Up:
        if (row == KeyRow::Zip)
            return false;
        selectNext(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The Enter character itself is always dropped, so no field beeps at it.
        if (row == KeyRow::Tel)
            m_item1->setFocus(Qt::TabFocusReason);
        else if (row != KeyRow::End)
            selectNext(true);
        return true;
    default:
        return false;
    }
}

void MainWindow::selectNext(bool forward)
{
    focusNextPrevChild(forward);
}
