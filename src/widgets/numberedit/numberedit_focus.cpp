// SPDX-License-Identifier: GPL-3.0-or-later
// Focus and mouse: entering selects all, leaving tidies a lone minus and drops the selection; clicks,
// double clicks and drags select all or nothing.
#include "widgets/numberedit/numberedit.h"

#include <QFocusEvent>
#include <QMouseEvent>

void NumberEdit::focusInEvent(QFocusEvent* event)
{
    // The owner's event filter has seen the event by now, so its enter handler runs first.
    QWidget::focusInEvent(event);
    update();
    updateCaret();
    if (!m_entered)
        enter();
}

void NumberEdit::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    // A context menu opening or another window taking over does not leave the control.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        leave();
}

// Focus that went to a box or another window and then, once it closed, was put on another control
// of this window never passes through this control again: it has been left all the same.
void NumberEdit::focusSettled(QWidget* now)
{
    if (m_entered && now && now != this && now->window() == window())
        leave();
}

void NumberEdit::enter()
{
    m_entered = true;
    if (m_autoSelect)
        selectAll();
}

void NumberEdit::leave()
{
    m_entered = false;
    if (m_value == QLatin1String("-") && !m_options.testFlag(Option::MinusOnly)) {
        m_value.clear();
        refreshImage();
        update();
    }
    if (m_hideSelection)
        clearSelection();
}

void NumberEdit::mousePressEvent(QMouseEvent* event)
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    if (m_doubleClicked)
        m_doubleClicked = false; // the press after a double click keeps its selection
    else
        clearSelection();
}

void NumberEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    selectAll();
    m_doubleClicked = true;
}

void NumberEdit::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    const QRect text = textRect();
    if ((event->buttons() & Qt::LeftButton) && x >= text.left() && x <= text.right())
        selectAll();
}
