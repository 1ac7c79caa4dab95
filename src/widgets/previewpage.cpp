#include "widgets/previewpage.h"

#include <QPainter>

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPage"));
}

void PreviewPage::setPreview(const rova::slip::SlipPreview& preview)
{
    m_preview = preview;
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
