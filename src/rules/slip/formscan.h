// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scan or photo of a slip type's blank form, drawn by the preview under the values: its file, the
// resolution it was scanned at and how far the operator moved it from the paper's corner.

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>

namespace rova::slip
{

struct FormScan {
    static constexpr int kDefaultDpi = 200;
    static constexpr int kMinDpi = 50;
    static constexpr int kMaxDpi = 600;

    QString path; // empty: no scan, the preview draws the marks of the form instead
    int dpi = kDefaultDpi;
    // Right and down from the paper's top-left corner, in tenths of a millimetre: a length on the
    // paper, so the scan stays on the form when the printer's resolution changes.
    QPoint offset;

    friend bool operator==(const FormScan&, const FormScan&) = default;
};

// Where an image of `imageSize` pixels at the scan's resolution lies, in the printer's dots from the
// printable area's corner, on paper whose top-left corner is at `paperCorner`.
QRectF scanPlace(const FormScan& scan, QSize imageSize, QPoint paperCorner, QPoint printerDpi);

// The nearest tenths of a millimetre to a distance in the printer's dots.
QPoint dotsToTenthsMm(QPointF dots, QPoint printerDpi);

} // namespace rova::slip
