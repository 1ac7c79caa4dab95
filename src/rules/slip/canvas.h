// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface a slip is rendered on: a printer page, a PDF page or an image for a preview.
// Coordinates are device dots counted from the top-left corner of the printable area.

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace rova::print
{

// The font a slip text is drawn with at dpiY dots per inch: points become dots the way a printer
// font height is computed, rounded and never below one dot.
QFont printFont(const QString& family, int pointSize, bool bold, int dpiY);

class Canvas
{
public:
    virtual ~Canvas() = default;
    // Point sizes are converted with the canvas's vertical resolution.
    virtual void setFont(const QString& family, int pointSize, bool bold) = 0;
    virtual void setTextColor(const QColor& color) = 0;
    // A solid brush: texts are drawn on an opaque cell of this colour.
    virtual void setBrush(const QColor& color) = 0;
    // Draws text with the top-left corner of its cell at (x, y); nothing is clipped.
    virtual void textOut(int x, int y, const QString& text) = 0;
    // A straight line one dot wide in the text colour (the alignment sheet's crosses and rulers).
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

// A canvas over a painter whose device coordinates are dots of dpiY vertical resolution, with the
// origin already moved to the printable area. Anything QPainter can paint on can take a slip.
class PainterCanvas : public Canvas
{
public:
    PainterCanvas(QPainter& painter, int dpiY);
    void setFont(const QString& family, int pointSize, bool bold) override;
    void setTextColor(const QColor& color) override;
    void setBrush(const QColor& color) override;
    void textOut(int x, int y, const QString& text) override;
    void line(int x1, int y1, int x2, int y2) override;

private:
    QPainter& m_painter;
    int m_dpiY;
    QColor m_brush = Qt::white;
};

} // namespace rova::print
