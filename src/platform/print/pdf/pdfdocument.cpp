// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/pdf/pdfdocument.h"

#include "rules/errors.h"

#include <QPageLayout>
#include <QPageSize>

#include <algorithm>

namespace rova::print
{

namespace
{

constexpr double mmPerInch = 25.4;

// Printers with different horizontal and vertical resolutions: the page is painted at the finer
// of the two and each position is scaled from its own axis, so glyphs keep their shape.
class DotCanvas : public Canvas
{
public:
    DotCanvas(QPainter& painter, QPoint dpi, int paintDpi)
        : m_inner(painter, paintDpi), m_scaleX(double(paintDpi) / dpi.x()),
          m_scaleY(double(paintDpi) / dpi.y())
    {
    }
    void setFont(const QString& family, int pointSize, bool bold) override
    {
        m_inner.setFont(family, pointSize, bold);
    }
    void setTextColor(const QColor& color) override { m_inner.setTextColor(color); }
    void setBrush(const QColor& color) override { m_inner.setBrush(color); }
    void textOut(int x, int y, const QString& text) override
    {
        m_inner.textOut(qRound(x * m_scaleX), qRound(y * m_scaleY), text);
    }
    void line(int x1, int y1, int x2, int y2) override
    {
        m_inner.line(qRound(x1 * m_scaleX), qRound(y1 * m_scaleY), qRound(x2 * m_scaleX),
                     qRound(y2 * m_scaleY));
    }

private:
    PainterCanvas m_inner;
    double m_scaleX;
    double m_scaleY;
};

} // namespace

PdfDocument::PdfDocument(const Paper& paper, QPoint dotsPerInch, const QString& title)
    : m_buffer(&m_bytes), m_writer(&m_buffer)
{
    if (dotsPerInch.x() <= 0 || dotsPerInch.y() <= 0 || paper.sizeMm.isEmpty())
        throw Error(QStringLiteral("用紙 %1 には印刷できません").arg(paper.name));
    const int paintDpi = std::max(dotsPerInch.x(), dotsPerInch.y());
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setTitle(title);
    m_writer.setCreator(QStringLiteral("rova_Yamato"));
    m_writer.setResolution(paintDpi);
    m_writer.setPageLayout(
        QPageLayout(QPageSize(paper.sizeMm, QPageSize::Millimeter, paper.name, QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    if (!m_painter.begin(&m_writer))
        throw Error(QStringLiteral("印刷ページを作成できません"));
    m_painter.translate(paper.marginsMm.left() * paintDpi / mmPerInch,
                        paper.marginsMm.top() * paintDpi / mmPerInch);
    m_canvas = std::make_unique<DotCanvas>(m_painter, dotsPerInch, paintDpi);
}

PdfDocument::~PdfDocument()
{
    if (m_painter.isActive())
        m_painter.end();
}

Canvas& PdfDocument::canvas()
{
    return *m_canvas;
}

void PdfDocument::newPage()
{
    if (m_closed)
        throw Error(QStringLiteral("この印刷ジョブは終了しています"));
    // The painter keeps its translation to the printable area across pages.
    if (!m_writer.newPage())
        throw Error(QStringLiteral("印刷ページを作成できません"));
}

QByteArray PdfDocument::finish()
{
    // A second hand-over would print the page twice.
    if (m_closed)
        throw Error(QStringLiteral("この印刷ジョブは終了しています"));
    m_closed = true;
    if (!m_painter.end())
        throw Error(QStringLiteral("印刷ページを作成できません"));
    m_buffer.close();
    return m_bytes;
}

void PdfDocument::discard() noexcept
{
    m_closed = true;
    if (m_painter.isActive())
        m_painter.end();
    m_bytes.clear();
}

} // namespace rova::print
