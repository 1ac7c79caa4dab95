// SPDX-License-Identifier: GPL-3.0-or-later
// The operator's form scan from its file to the preview: a PNG, or the first page of a PDF, with a
// block at a known place lands at the printer's dots its resolution and offset call for, under the
// values and instead of the marks; each file is read once. Files that cannot be used: test_preview.

#include "platform/print/scanimages.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/slippreview.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace rova::slip;

namespace
{

constexpr int kPrinterDpi = 300;
const QColor kBlock(0, 0, 255);
const QColor kMarkColour(170, 185, 215); // the preview's faint marks

// Two inches square, white, with a block from half an inch to an inch right and down. The PDF's
// second page, all red, must not be drawn.
void writeForm(const QString& path, int dpi)
{
    if (path.endsWith(QLatin1String(".pdf"))) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QSizeF(2, 2), QPageSize::Inch));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(72);
        QPainter painter(&pdf);
        painter.fillRect(QRectF(36, 36, 36, 36), kBlock);
        pdf.newPage();
        painter.fillRect(QRectF(0, 0, 144, 144), Qt::red);
        return;
    }
    QImage image(2 * dpi, 2 * dpi, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(dpi / 2, dpi / 2, dpi / 2, dpi / 2), kBlock);
    QVERIFY(image.save(path, "PNG"));
}

// The page of a slip with a name, with the paper's top-left corner at pixel (0, 0).
QImage paint(const FormScan& scan, const QImage& scanImage)
{
    SlipPreview p;
    p.values.slipType = slipTypes()[0];
    p.values.name = QStringLiteral("山田　太郎");
    p.settings.resolution = {kPrinterDpi, kPrinterDpi};
    p.settings.top = p.settings.left = QStringLiteral("0");
    p.page = PageArea{{210, 297}, {4, 4, 4, 4}};
    p.scan = scan;
    p.scanImage = scanImage;
    const QRect bounds = previewBounds(p);
    QImage image(bounds.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    paintPreview(painter, p);
    return image;
}

int countColour(const QImage& image, const QColor& colour)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found += image.pixel(x, y) == colour.rgb() ? 1 : 0;
    return found;
}

} // namespace

class TestScanImages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return QDir(m_dir->path()).filePath(name); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void blockLandsAtItsDots_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QPoint>("offset"); // tenths of a millimetre
        QTest::newRow("PNG at 200 dpi") << "form.png" << 200 << QPoint();
        QTest::newRow("PNG at 300 dpi") << "form.png" << 300 << QPoint();
        QTest::newRow("PNG at 150 dpi, moved right and up") << "form.png" << 150 << QPoint(30, -15);
        QTest::newRow("PDF at 200 dpi") << "form.pdf" << 200 << QPoint();
        QTest::newRow("PDF at 100 dpi, moved left and down") << "form.pdf" << 100 << QPoint(-20, 45);
    }
    void blockLandsAtItsDots()
    {
        QFETCH(QString, file);
        QFETCH(int, dpi);
        QFETCH(QPoint, offset);
        const FormScan scan{path(file), dpi, offset};
        writeForm(scan.path, dpi);
        const QImage image = paint(scan, rova::print::ScanImages().image(scan));

        // The block spans half an inch to an inch of the form; scaling smooths each edge a little.
        const QPoint corner(qRound(offset.x() * kPrinterDpi / 254.0),
                            qRound(offset.y() * kPrinterDpi / 254.0));
        const int from = kPrinterDpi / 2, to = kPrinterDpi, blur = 4;
        for (const QPoint& at : {QPoint(from + blur, from + blur), QPoint(to - blur, to - blur)})
            QCOMPARE(image.pixelColor(corner + at), kBlock);
        for (const QPoint& at : {QPoint(from - blur, from + blur), QPoint(from + blur, from - blur),
                                 QPoint(to + blur, to - blur), QPoint(to - blur, to + blur)})
            QCOMPARE(image.pixelColor(corner + at), QColor(Qt::white));
        QCOMPARE(countColour(image, Qt::red), 0);
        // The scan takes the marks' place, and the values are drawn over it.
        QCOMPARE(countColour(image, kMarkColour), 0);
        QVERIFY(countColour(paint(scan, QImage()), kMarkColour) > 0);
        QCOMPARE(countColour(image, Qt::black), countColour(paint(FormScan{}, QImage()), Qt::black));
    }

    void eachFileIsReadOnce()
    {
        rova::print::ScanImages images;
        FormScan png{path("form.png"), 200, {}};
        writeForm(png.path, 200);
        const qint64 first = images.image(png).cacheKey();
        png.dpi = 300; // an image file does not depend on it
        QCOMPARE(images.image(png).cacheKey(), first);
        writeForm(png.path, 100); // replaced by another scan
        QCOMPARE(images.image(png).size(), QSize(200, 200));
        FormScan pdf{path("form.pdf"), 100, {}};
        writeForm(pdf.path, 0);
        QCOMPARE(images.image(pdf).size(), QSize(200, 200));
        pdf.dpi = 150; // rendered anew
        QCOMPARE(images.image(pdf).size(), QSize(300, 300));
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestScanImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scanimages.moc"
