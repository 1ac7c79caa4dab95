// SPDX-License-Identifier: GPL-3.0-or-later
// Layout and painting: where marks, number and caret stand, measured with the control's font.
#include "widgets/numberedit/numberedit.h"

#include <QFontMetrics>
#include <QPainter>
#include <qdrawutil.h>

using namespace rova::numedit;

int NumberEdit::textWidth(const QString& s) const
{
    return s.isEmpty() ? 0 : QFontMetrics(font()).horizontalAdvance(s) + 1;
}

int NumberEdit::frameWidth() const
{
    return m_frame ? 2 : 0;
}

QRect NumberEdit::clientRect() const
{
    const int fw = frameWidth();
    return rect().adjusted(fw, fw, -fw, -fw);
}

int NumberEdit::availableWidth() const
{
    const int e = m_frame ? 2 : 1;
    return clientRect().width() - m_leftMargin - m_rightMargin - 2 * e;
}

int NumberEdit::layoutWidth() const
{
    return textWidth(layoutTemplate(m_value, m_format));
}

// Marks take no room while nothing is shown.
int NumberEdit::markWidth(const QString& mark) const
{
    if (m_value.isEmpty() && !m_format.integerFixed && !m_format.decimalFixed)
        return 0;
    return textWidth(mark);
}

int NumberEdit::inputWidth(const QString& value) const
{
    return textWidth(inputTemplate(value, m_format));
}

int NumberEdit::rectTop() const
{
    const QRect client = clientRect();
    if (m_alignment & Qt::AlignTop)
        return client.top() + m_topMargin;
    if (m_alignment & Qt::AlignBottom)
        return client.top() + client.height() - m_lineHeight - m_bottomMargin;
    return client.top() + (client.height() - m_lineHeight - m_topMargin - m_bottomMargin) / 2 + m_topMargin;
}

NumberEdit::Areas NumberEdit::areas() const
{
    const QRect client = clientRect();
    const int CW = client.width(), LM = m_leftMargin, RM = m_rightMargin;
    const int W = layoutWidth(), TW = textWidth(formatValue(m_value, m_format));
    const int LW = markWidth(m_leftMark), RW = markWidth(m_rightMark);
    const int A = CW - LM - RM, T = LW + W + RW;
    int leftMark = 0, value = 0, text = 0, rightMark = 0;
    if (m_alignment & Qt::AlignLeft) {
        leftMark = LM;
        value = LM + LW;
        text = LM + LW + W - TW;
        rightMark = LM + LW + W;
    } else if (m_alignment & Qt::AlignHCenter) {
        leftMark = LM + A / 2 - T / 2;
        value = LM + LW + A / 2 - T / 2;
        text = LM + LW + A / 2 - T / 2 + W - TW;
        rightMark = LM + A / 2 + T / 2 - RW;
    } else {
        leftMark = CW - RM - RW - W - LW - 1;
        value = CW - RM - RW - W - 1;
        text = CW - RM - RW - TW - 1;
        rightMark = CW - RM - RW - 1;
    }
    const int x = client.left(), top = rectTop(), H = m_lineHeight;
    return {QRect(x + leftMark, top, LW, H), QRect(x + value, top, W, H), QRect(x + text, top, TW, H),
            QRect(x + rightMark, top, RW, H)};
}

QRect NumberEdit::leftMarkRect() const
{
    return areas().leftMark;
}
QRect NumberEdit::valueRect() const
{
    return areas().value;
}
QRect NumberEdit::textRect() const
{
    return areas().text;
}
QRect NumberEdit::rightMarkRect() const
{
    return areas().rightMark;
}

QPoint NumberEdit::caretPoint() const
{
    const QRect text = textRect();
    return {text.left() + inputWidth(m_value) - 1, text.top()};
}

QRect NumberEdit::caretRect() const
{
    return {caretPoint(), QSize(m_caretWidth, m_lineHeight)};
}

QSize NumberEdit::sizeHint() const
{
    const int fw = frameWidth();
    const int w = (m_autoSize && m_options.testFlag(Option::AutoWidth))
                      ? textWidth(maxTemplate(m_format)) + textWidth(m_leftMark) + textWidth(m_rightMark) +
                            m_leftMargin + m_rightMargin + 2 + 2 * fw
                      : 121;
    const int h = m_autoSize ? m_lineHeight + m_topMargin + m_bottomMargin + 2 * fw : 20;
    return {w, h};
}

void NumberEdit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    if (m_frame)
        qDrawShadePanel(&p, rect(), palette(), true, 2);

    QColor background = m_color, foreground = palette().color(QPalette::Text);
    if (!isEnabled()) {
        foreground = m_disabledColor;
    } else if (allSelected()) {
        background = palette().color(QPalette::Highlight);
        foreground = palette().color(QPalette::HighlightedText);
    }

    const Areas a = areas();
    QRect filled = a.text;
    if (!m_leftMark.isEmpty())
        filled.setLeft(a.leftMark.left());
    if (!m_rightMark.isEmpty())
        filled.setRight(a.rightMark.right());
    p.fillRect(filled, background);

    const QString number = formatValue(m_value, m_format);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    p.setPen(foreground);
    p.drawText(a.text, flags, number);
    if (!number.isEmpty()) {
        p.drawText(a.leftMark, flags, m_leftMark);
        p.drawText(a.rightMark, flags, m_rightMark);
    }
    if (hasFocus())
        p.fillRect(caretRect(), palette().color(QPalette::Text));
}
