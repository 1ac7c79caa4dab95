#pragma once
// The page of a preview at a zoom: the printer's dots scaled to the screen.

#include "rules/slippreview.h"

#include <QWidget>

class PreviewPage : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPage(QWidget* parent = nullptr);

    void setPreview(const rova::slip::SlipPreview& preview);
    // Screen pixels per printer dot.
    void setScale(double scale);
    double scale() const { return m_scale; }
    // The page's size in printer dots.
    QSize pageDots() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    rova::slip::SlipPreview m_preview;
    double m_scale = 0.1;
};
