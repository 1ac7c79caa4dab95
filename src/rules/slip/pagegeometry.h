// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page a printer gets, in its dots: the paper and the part of it the printer can print on, and
// margins shown in millimetres while the files keep dots.

#include <QMarginsF>
#include <QPoint>
#include <QRect>
#include <QSizeF>

namespace rova::slip
{

struct PageArea {
    QSizeF paperMm;
    QMarginsF marginsMm; // unprintable edges: left, top, right, bottom
};

// Whole dots nearest to a length in millimetres, and back.
int mmToDots(double mm, int dpi);
double dotsToMm(int dots, int dpi);

// Both in dots from the top-left corner of the printable area, where slips are drawn from.
QRect printableDots(const PageArea& page, QPoint dpi);
QRect paperDots(const PageArea& page, QPoint dpi);

// A margin nudged by steps of half a millimetre from where the nudging began: whole dots nearest to
// the whole distance, so steps never add up their rounding and going back returns to the same dots.
int nudgedMargin(int startDots, int halfMillimetres, int dpi);

} // namespace rova::slip
