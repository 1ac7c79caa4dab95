#include "rules/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace rova::print
{

PainterCanvas::PainterCanvas(QPainter& painter, int dpiY) : m_painter(painter), m_dpiY(dpiY) {}

void PainterCanvas::setFont(const QString& family, int pointSize, bool bold)
{
    QFont font(family);
    // Points become dots the way a printer font height is computed: rounded, never below one dot.
    font.setPixelSize(std::max(1, (pointSize * m_dpiY + 36) / 72));
    font.setBold(bold);
    m_painter.setFont(font);
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

} // namespace rova::print
