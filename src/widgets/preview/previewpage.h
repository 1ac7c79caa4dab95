// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page of a preview at a zoom: the printer's dots scaled to the screen. With a scan of the form
// under it, the operator moves the scan by dragging with the left button or with the arrow keys.

#include "rules/slip/slippreview.h"

#include <QWidget>

#include <optional>

class PreviewPage : public QWidget
{
    Q_OBJECT
public:
    // Arrow-key steps in tenths of a millimetre: half a millimetre, with Shift five.
    static constexpr int kStep = 5;
    static constexpr int kShiftStep = 50;

    explicit PreviewPage(QWidget* parent = nullptr);

    void setPreview(const rova::slip::SlipPreview& preview);
    // Screen pixels per printer dot.
    void setScale(double scale);
    double scale() const { return m_scale; }
    // The page's size in printer dots.
    QSize pageDots() const;

signals:
    // The scan's new offset: after an arrow key, or when a drag ends.
    void scanMoved(QPoint offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool hasScan() const { return !m_preview.scanImage.isNull(); }
    void moveScan(QPoint offset);

    struct Drag {
        QPointF from;      // where the button went down, in screen pixels
        QPoint fromOffset; // the scan's offset then
    };

    rova::slip::SlipPreview m_preview;
    double m_scale = 0.1;
    // Counted from where the drag began, so that rounding to tenths never adds up.
    std::optional<Drag> m_drag;
};
