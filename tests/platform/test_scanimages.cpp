// The operator's form scan from its file to the preview: a PNG, or the first page of a PDF, with a
// block at a known place lands at the printer's dots its resolution and offset call for, under the
// values and instead of the marks; each file is read once, and one that cannot be used is named.

#include "platform/scanimages.h"
#include "rules/errors.h"
#include "rules/sliplayout.h"
#include "rules/slippreview.h"

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

// A form two inches square, white, with a block from half an inch to an inch right and down. The
// PDF has a second page, all red, that must not be drawn.
void writeForm(const QString& path, const QString& format, int dpi)
{
    if (format == QLatin1String("pdf")) {
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
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
}

SlipPreview preview(const FormScan& scan, const QImage& image)
{
    SlipPreview p;
    p.values.slipType = slipTypes()[0];
    p.values.name = QStringLiteral("山田　太郎");
    p.settings.resolution = {kPrinterDpi, kPrinterDpi};
    p.settings.top = p.settings.left = QStringLiteral("0");
    p.page = PageArea{{210, 297}, {4, 4, 4, 4}};
    p.scan = scan;
    p.scanImage = image;
    return p;
}

// The page with the paper's top-left corner at pixel (0, 0).
QImage paint(const SlipPreview& p)
{
    const QRect bounds = previewBounds(p);
    QImage image(bounds.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    paintPreview(painter, p);
    return image;
}

bool isBlock(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60;
}
bool isWhite(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
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
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QPoint>("offset"); // tenths of a millimetre
        QTest::newRow("PNG at 200 dpi") << "png" << 200 << QPoint();
        QTest::newRow("PNG at 300 dpi") << "png" << 300 << QPoint();
        QTest::newRow("PNG at 150 dpi, moved right and up") << "png" << 150 << QPoint(30, -15);
        QTest::newRow("PDF at 200 dpi") << "pdf" << 200 << QPoint();
        QTest::newRow("PDF at 100 dpi, moved left and down") << "pdf" << 100 << QPoint(-20, 45);
    }
    void blockLandsAtItsDots()
    {
        QFETCH(QString, format);
        QFETCH(int, dpi);
        QFETCH(QPoint, offset);
        const FormScan scan{path("form." + format), dpi, offset};
        writeForm(scan.path, format, dpi);
        const QImage image = paint(preview(scan, rova::print::ScanImages().image(scan)));

        // The block spans half an inch to an inch of the form, at the printer's 300 dpi.
        const QPoint corner(qRound(offset.x() * kPrinterDpi / 254.0),
                            qRound(offset.y() * kPrinterDpi / 254.0));
        const int from = kPrinterDpi / 2;
        const int to = kPrinterDpi;
        const int blur = 4; // scaling smooths an edge over a pixel of the scan
        for (const QPoint& at : {QPoint(from + blur, from + blur), QPoint(to - blur, to - blur),
                                 QPoint((from + to) / 2, (from + to) / 2)})
            QVERIFY2(isBlock(image.pixel(corner + at)),
                     qPrintable(QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y())));
        for (const QPoint& at : {QPoint(from - blur, from + blur), QPoint(from + blur, from - blur),
                                 QPoint(to + blur, to - blur), QPoint(to - blur, to + blur)})
            QVERIFY2(isWhite(image.pixel(corner + at)),
                     qPrintable(QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y())));
        QCOMPARE(countColour(image, Qt::red), 0);
        // The scan takes the marks' place; the values are still drawn over it.
        QCOMPARE(countColour(image, kMarkColour), 0);
        QVERIFY(countColour(paint(preview(scan, QImage())), kMarkColour) > 0);
        const QImage withoutScan = paint(preview(FormScan{}, QImage()));
        QVERIFY(countColour(image, Qt::black) > 0);
        QCOMPARE(countColour(image, Qt::black), countColour(withoutScan, Qt::black));
    }

    void unusableFilesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file; "/": a folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << rova::errtext::fileNotFound();
        QTest::newRow("a folder") << QByteArray("/") << rova::errtext::fileAccessDenied();
        QTest::newRow("empty") << QByteArray("") << "画像 (PNG、JPEG) でも PDF でもありません";
        QTest::newRow("text") << QByteArray("送り状の見本") << "画像 (PNG、JPEG) でも PDF でもありません";
        QTest::newRow("damaged PDF") << QByteArray("%PDF-1.4\n1 0 obj <<") << "PDF の中身が壊れています";
    }
    void unusableFilesAreNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const FormScan scan{path("form.png"), 200, {}};
        if (content == "/")
            QVERIFY(QDir().mkdir(scan.path));
        else if (!content.isNull()) {
            QFile file(scan.path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        try {
            rova::print::ScanImages().image(scan);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), "用紙の画像を読めません: " + reason + "\n" + scan.path);
        }
    }

    void eachFileIsReadOnce()
    {
        rova::print::ScanImages images;
        FormScan png{path("form.png"), 200, {}};
        writeForm(png.path, "png", 200);
        const QImage first = images.image(png);
        QCOMPARE(images.image(png).cacheKey(), first.cacheKey());
        png.dpi = 300; // an image file does not depend on it
        QCOMPARE(images.image(png).cacheKey(), first.cacheKey());

        writeForm(png.path, "png", 100); // replaced by another scan
        QCOMPARE(images.image(png).size(), QSize(200, 200));

        FormScan pdf{path("form.pdf"), 100, {}};
        writeForm(pdf.path, "pdf", 0);
        QCOMPARE(images.image(pdf).size(), QSize(200, 200));
        pdf.dpi = 150; // rendered anew
        QCOMPARE(images.image(pdf).size(), QSize(300, 300));

        QVERIFY(QFile::remove(png.path));
        QVERIFY_THROWS_EXCEPTION(rova::FileError, images.image(png));
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestScanImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scanimages.moc"
