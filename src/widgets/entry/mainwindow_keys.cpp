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
    QList<QWidget*> order{Edit_Zip,         Edit_Add1,       Edit_Add2,     Edit_Add3,     Edit_Custo1,
                          Edit_tel,         PageControl_My,  CheckBox_My,   Edit_MyZip,    Edit_MyADD1,
                          Edit_MyADD2,      Edit_My,         Edit_MyTEL,    BitBtn_My,     CheckBox_Date_1,
                          DateTimePicker_1, Edit_de_date1,   Edit_de_date2, Edit_G1,       Edit_G2,
                          Edit_G3,          KeNumEdit_KOSUU, CheckBox_t1,   CheckBox_t2,   CheckBox_t3,
                          CheckBox_t4,      CheckBox_t5,     CheckBox_t6,   CheckBox_t21,  CheckBox_t22,
                          ComboBox_SEL,     Memo1,           BitBtn_1,      BitBtn_MemoCLS};
    if (BitBtn_SendMail)
        order.append(BitBtn_SendMail);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::installKeyHandlers()
{
    const auto attach = [this](QWidget* field, KeyRow row) {
        m_keyRows.insert(field, row);
        field->installEventFilter(this);
    };
    for (QWidget* field : {static_cast<QWidget*>(Edit_Add1), static_cast<QWidget*>(Edit_Add2),
                           static_cast<QWidget*>(Edit_Add3), static_cast<QWidget*>(Edit_Custo1),
                           static_cast<QWidget*>(Edit_MyZip), static_cast<QWidget*>(Edit_MyADD1),
                           static_cast<QWidget*>(Edit_MyADD2), static_cast<QWidget*>(Edit_My),
                           static_cast<QWidget*>(Edit_MyTEL), static_cast<QWidget*>(DateTimePicker_1),
                           static_cast<QWidget*>(Edit_de_date1), static_cast<QWidget*>(Edit_de_date2),
                           static_cast<QWidget*>(Edit_G1), static_cast<QWidget*>(Edit_G3)})
        attach(field, KeyRow::Form);
    // The date picker types into an inner edit, which sees the keys first.
    if (auto* inner = DateTimePicker_1->findChild<QLineEdit*>())
        attach(inner, KeyRow::Form);
    attach(Edit_Zip, KeyRow::Zip);
    attach(Edit_tel, KeyRow::Tel);
    attach(Edit_G2, KeyRow::G2);
    attach(KeNumEdit_KOSUU, KeyRow::End);
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
    const bool dateBox = watched == Edit_de_date1 || watched == Edit_de_date2;
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
    if (tab && (watched == DateTimePicker_1 || watched->parent() == DateTimePicker_1)) {
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
            Edit_G1->setFocus(Qt::TabFocusReason);
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
