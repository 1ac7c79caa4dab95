// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a PDF file holds, as the poppler tools report it: the words with their boxes, the pages.

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

struct PdfWord {
    QString text;
    QRectF boxMm; // from the top-left corner of the page
};

// pdftotext -bbox; empty when the tool fails.
QList<PdfWord> pdfWords(const QString& path);
// The first word with this text, nullptr when there is none.
const PdfWord* findPdfWord(const QList<PdfWord>& words, const QString& text);
// pdfinfo: number of pages and the size of the first, 0 / empty when the tool fails.
int pdfPageCount(const QString& path);
QSizeF pdfPageSizeMm(const QString& path);
