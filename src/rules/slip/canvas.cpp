// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace rova::print
{

QFont printFont(const QString& family, int pointSize, bool bold, int dpiY)
{
    QFont font(family);
    font.setPixelSize(std::max(1, (pointSize * dpiY + 36) / 72));
    font.setBold(bold);
    return font;
}

PainterCanvas::PainterCanvas(QPainter& painter, int dpiY) : m_painter(painter), m_dpiY(dpiY) {}

void PainterCanvas::setFont(const QString& family, int pointSize, bool bold)
{
    m_painter.setFont(printFont(family, pointSize, bold, m_dpiY));
}

void PainterCanvas::setTextColor(const QColor& color)
{
    m_painter.setPen(color);
}

void PainterCanvas::setBrush(const QColor& color)
{
    m_brush = color;
}

void PainterCanvas::textOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics(m_painter.font(), m_painter.device());
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    m_painter.fillRect(cell, m_brush);
    m_painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

} // namespace rova::print
