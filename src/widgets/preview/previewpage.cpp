// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/preview/previewpage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPage"));
    // The page takes the arrow keys when a scan is under it; otherwise they go on to scroll.
    setFocusPolicy(Qt::StrongFocus);
}

void PreviewPage::setPreview(const rova::slip::SlipPreview& preview)
{
    m_preview = preview;
    m_drag.reset();
    if (hasScan())
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
    setScale(m_scale);
}

QSize PreviewPage::pageDots() const
{
    return rova::slip::previewBounds(m_preview).size();
}

void PreviewPage::setScale(double scale)
{
    m_scale = scale;
    setFixedSize((QSizeF(pageDots()) * scale).toSize() + QSize(1, 1));
    update();
}

void PreviewPage::moveScan(QPoint offset)
{
    m_preview.scan.offset = offset;
    update();
}

void PreviewPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(m_scale, m_scale);
    painter.translate(-rova::slip::previewBounds(m_preview).topLeft());
    try {
        rova::slip::paintPreview(painter, m_preview);
    } catch (...) {
        // The window checks the margins before it shows a slip; a page left blank is all that is left.
    }
}

void PreviewPage::keyPressEvent(QKeyEvent* event)
{
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    default:
        break;
    }
    if (!hasScan() || direction.isNull())
        return QWidget::keyPressEvent(event);
    const int step = event->modifiers() & Qt::ShiftModifier ? kShiftStep : kStep;
    moveScan(m_preview.scan.offset + direction * step);
    emit scanMoved(m_preview.scan.offset);
}

void PreviewPage::mousePressEvent(QMouseEvent* event)
{
    if (!hasScan() || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_drag = Drag{event->position(), m_preview.scan.offset};
    setCursor(Qt::ClosedHandCursor);
}

void PreviewPage::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_drag)
        return QWidget::mouseMoveEvent(event);
    const QPointF dots = (event->position() - m_drag->from) / m_scale;
    moveScan(m_drag->fromOffset + rova::slip::dotsToTenthsMm(dots, m_preview.settings.resolution));
}

void PreviewPage::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_drag || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    mouseMoveEvent(event);
    const bool moved = m_preview.scan.offset != m_drag->fromOffset;
    m_drag.reset();
    setCursor(Qt::OpenHandCursor);
    if (moved)
        emit scanMoved(m_preview.scan.offset);
}
