// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/numberedit/numberedit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>

NumberEdit::NumberEdit(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    m_color = palette().color(QPalette::Base);
    m_disabledColor = palette().color(QPalette::Disabled, QPalette::Text);
    resize(121, 20);
    buildMenu();
    measureLine();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusSettled(now); });
    if (parent)
        adjustHeight(); // the height follows the font once the control sits on a window
}

void NumberEdit::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
    updateCaret();
}

void NumberEdit::setIntegerLength(int n)
{
    if (n < 0 || n == m_format.integerLength)
        return;
    m_format.integerLength = n;
    refilter();
}

void NumberEdit::setDecimalLength(int n)
{
    if (n < 0 || n == m_format.decimalLength)
        return;
    m_format.decimalLength = n;
    refilter();
}

void NumberEdit::setMinus(bool on)
{
    m_format.minus = on;
    refilter();
}

void NumberEdit::setComma(bool on)
{
    m_format.comma = on;
    formatChanged();
}

void NumberEdit::setZeroEnabled(bool on)
{
    m_format.zeroEnabled = on;
    formatChanged();
}

void NumberEdit::setIntegerFixed(bool on)
{
    m_format.integerFixed = on;
    formatChanged();
}

void NumberEdit::setDecimalFixed(bool on)
{
    m_format.decimalFixed = on;
    formatChanged();
}

void NumberEdit::setLeftMark(const QString& mark)
{
    m_leftMark = mark;
    formatChanged();
}

void NumberEdit::setRightMark(const QString& mark)
{
    m_rightMark = mark;
    formatChanged();
}

void NumberEdit::setTopMargin(int px)
{
    if (px < 0 || px == m_topMargin)
        return;
    m_topMargin = px;
    frameChanged();
}

void NumberEdit::setBottomMargin(int px)
{
    if (px < 0 || px == m_bottomMargin)
        return;
    m_bottomMargin = px;
    frameChanged();
}

void NumberEdit::setLeftMargin(int px)
{
    if (px < 0 || px == m_leftMargin)
        return;
    m_leftMargin = px;
    frameChanged();
}

void NumberEdit::setRightMargin(int px)
{
    if (px < 0 || px == m_rightMargin)
        return;
    m_rightMargin = px;
    frameChanged();
}

void NumberEdit::setColor(const QColor& c)
{
    m_color = c;
    update();
}

void NumberEdit::setDisabledColor(const QColor& c)
{
    m_disabledColor = c;
    update();
}

void NumberEdit::setAutoSelect(bool on)
{
    m_autoSelect = on;
    update();
}

void NumberEdit::setAutoSize(bool on)
{
    m_autoSize = on;
    frameChanged();
}

void NumberEdit::setFrame(bool on)
{
    m_frame = on;
    frameChanged();
}

// Font, border, margins or auto-size changed: the height may follow, the caret moves.
void NumberEdit::frameChanged()
{
    adjustHeight();
    updateGeometry();
    update();
    updateCaret();
}

void NumberEdit::measureLine()
{
    m_lineHeight = QFontMetrics(font()).height();
    m_caretWidth = font().bold() ? 2 : 1;
}

void NumberEdit::measureFont()
{
    measureLine();
    frameChanged();
}

void NumberEdit::adjustHeight()
{
    if (m_autoSize)
        resize(width(), m_lineHeight + m_topMargin + m_bottomMargin + 2 * frameWidth());
}

void NumberEdit::updateCaret()
{
    if (!hasFocus())
        return;
    update();
    QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle | Qt::ImFont);
}

void NumberEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
    updateCaret();
}

void NumberEdit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        measureFont();
    else if (event->type() == QEvent::EnabledChange)
        update();
}

bool NumberEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        measureFont();
        // Placed on a window, the control takes the window colour, as a freshly placed edit does.
        if (parentWidget())
            m_color = palette().color(QPalette::Base);
    } else if (event->type() == QEvent::ShortcutOverride &&
               overridesShortcut(*static_cast<QKeyEvent*>(event)))
        event->accept();
    return QWidget::event(event);
}
