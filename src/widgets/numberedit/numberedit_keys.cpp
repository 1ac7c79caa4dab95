// SPDX-License-Identifier: GPL-3.0-or-later
// Typing: the key-down stage (navigation, selection, clipboard, deleting), the character stage
// (digits, point, minus, Enter) and characters committed by an input method.
#include "rules/numedit/numberinput.h"
#include "widgets/numberedit/numberedit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

using namespace rova::numedit;

namespace
{
constexpr Qt::KeyboardModifiers kModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isNavigation(int key)
{
    return key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End || key == Qt::Key_Home ||
           key == Qt::Key_Left || key == Qt::Key_Right;
}
} // namespace

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    if (keyDown(*event))
        return;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Keys that type no character (Escape and Delete carry control codes in Qt), and Alt combinations
    // (menu mnemonics), are left to the window.
    if ((!enter && event->text().isEmpty()) || event->key() == Qt::Key_Escape ||
        event->key() == Qt::Key_Delete || (event->modifiers() & Qt::AltModifier)) {
        event->ignore();
        return;
    }
    if (enter) {
        keyPress(QLatin1Char('\r'));
        return;
    }
    for (const QChar ch : event->text())
        keyPress(ch);
}

void NumberEdit::inputMethodEvent(QInputMethodEvent* event)
{
    for (const QChar ch : event->commitString())
        keyPress(fromInputMethod(ch));
    event->accept();
}

// The key-down stage; true when the key was consumed.
bool NumberEdit::keyDown(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers() & kModifiers;
    if (mods == Qt::ShiftModifier && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        selectAll();
        return true;
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_A) {
        selectAll();
        return true;
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_C) {
        copyToClipboard();
        return true;
    }
    if (mods == Qt::NoModifier && isNavigation(key)) {
        clearSelection();
        return true;
    }
    if (mods == Qt::NoModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        clearSelection();
        const bool up = key == Qt::Key_Up;
        if (m_arrowFocusMove && m_options.testFlag(up ? Option::ArrowUp : Option::ArrowDown) &&
            parentWidget())
            focusNextPrevChild(!up);
        return true;
    }
    if (m_readOnly)
        return false;
    if (mods == Qt::ControlModifier && key == Qt::Key_V) {
        pasteFromClipboard();
        return true;
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_X) {
        cutToClipboard();
        return true;
    }
    if (mods == Qt::NoModifier && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
        deleteLast();
        return true;
    }
    return false;
}

// The character stage.
void NumberEdit::keyPress(QChar ch)
{
    if (m_readOnly)
        return;
    switch (ch.unicode()) {
    case 1:     // Ctrl+A
    case 3:     // Ctrl+C
    case 8:     // Backspace
    case 22:    // Ctrl+V
    case 24:    // Ctrl+X
        return; // handled at the key-down stage
    case '\r':
        if (m_enterFocusMove)
            focusNextPrevChild(true);
        else
            refuse();
        return;
    case '-':
        inputMinus();
        return;
    case '.':
        inputPoint();
        return;
    default:
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            inputDigit(ch);
        else
            refuse();
    }
}

void NumberEdit::inputDigit(QChar digit)
{
    if (allSelected())
        clear(); // typing replaces the whole value
    if (!roomForDigit(m_value, m_format))
        return refuse();
    const QString candidate = stripZeros(m_value + digit, m_format);
    if (m_options.testFlag(Option::StopWhenFull) && !textFits(candidate))
        return refuse();
    commit(candidate);
}

void NumberEdit::inputPoint()
{
    if (m_format.decimalLength == 0)
        return refuse();
    if (allSelected())
        clear();
    if (m_value.contains(QLatin1Char('.')))
        return refuse();
    const QString candidate = m_value + QLatin1Char('.');
    if (m_options.testFlag(Option::StopWhenFull) && !textFits(candidate))
        return refuse();
    commit(stripZeros(candidate, m_format));
}

void NumberEdit::inputMinus()
{
    if (!m_format.minus)
        return refuse();
    if (allSelected())
        clear();
    if (m_value.startsWith(QLatin1Char('-')))
        return commit(m_value.mid(1));
    const QString candidate = QLatin1Char('-') + m_value;
    if (m_options.testFlag(Option::StopWhenFull) && !textFits(candidate))
        return refuse();
    commit(candidate);
}

void NumberEdit::deleteLast()
{
    if (m_value.isEmpty())
        return;
    if (allSelected())
        clear();
    else
        commit(withoutLast(m_value));
}

bool NumberEdit::textFits(const QString& candidate) const
{
    return availableWidth() >=
           textWidth(rova::numedit::displayImage(candidate, m_format, m_leftMark, m_rightMark));
}

// Keys this control handles itself win over the window's shortcuts.
bool NumberEdit::overridesShortcut(const QKeyEvent& event) const
{
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers() & kModifiers;
    if (mods == Qt::ControlModifier)
        return key == Qt::Key_A || key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X;
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier)
        return isNavigation(key) || key == Qt::Key_Backspace || key == Qt::Key_Delete ||
               (!event.text().isEmpty() && event.text().at(0).isPrint());
    return false;
}

QVariant NumberEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return isEnabled() && !m_readOnly;
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        return int(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
    case Qt::ImSurroundingText:
        return m_value;
    case Qt::ImCursorPosition:
        return int(m_value.size());
    case Qt::ImAnchorPosition:
        return allSelected() ? 0 : int(m_value.size());
    case Qt::ImCurrentSelection:
        return allSelected() ? m_value : QString();
    default:
        return QWidget::inputMethodQuery(query);
    }
}
