// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdfwords.h"

#include <QProcess>
#include <QRegularExpression>

namespace
{

constexpr double mmPerPoint = 25.4 / 72.0;

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

QList<PdfWord> pdfWords(const QString& path)
{
    const QString html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                       "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        const QPointF topLeft(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint);
        const QPointF bottomRight(m.captured(3).toDouble() * mmPerPoint,
                                  m.captured(4).toDouble() * mmPerPoint);
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

const PdfWord* findPdfWord(const QList<PdfWord>& words, const QString& text)
{
    for (const PdfWord& w : words) {
        if (w.text == text)
            return &w;
    }
    return nullptr;
}

int pdfPageCount(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    return pages.match(runTool(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

QSizeF pdfPageSizeMm(const QString& path)
{
    static const QRegularExpression size(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = size.match(runTool(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint)
                        : QSizeF();
}
