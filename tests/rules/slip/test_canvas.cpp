// SPDX-License-Identifier: GPL-3.0-or-later
// Texts on a painter-backed canvas: anchored at the top-left of their cell, on an opaque cell,
// sized in points of the device's resolution.

#include "rules/slip/canvas.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace
{

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 96;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void pointSize_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("dots");
        QTest::newRow("12 pt at 600 dpi") << 600 << 12 << 100;
        QTest::newRow("10 pt at 300 dpi rounds up") << 300 << 10 << 42;
        QTest::newRow("11 pt at 600 dpi rounds to nearest") << 600 << 11 << 92;
        QTest::newRow("tiny size keeps one dot") << 10 << 1 << 1;
    }
    void pointSize()
    {
        QFETCH(int, dpi);
        QFETCH(int, points);
        QFETCH(int, dots);
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        rova::print::PainterCanvas canvas(painter, dpi);
        canvas.setFont(QStringLiteral("DejaVu Sans"), points, true);
        QCOMPARE(painter.font().pixelSize(), dots);
        QVERIFY(painter.font().bold());
    }

    void textSitsBelowAndRightOfItsPoint_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("inside the page") << QPoint(120, 200);
        QTest::newRow("at the origin") << QPoint(0, 0);
    }
    void textSitsBelowAndRightOfItsPoint()
    {
        QFETCH(QPoint, at);
        QImage image(900, 500, QImage::Format_RGB32);
        image.fill(Qt::gray);
        {
            QPainter painter(&image);
            rova::print::PainterCanvas canvas(painter, 600);
            canvas.setTextColor(Qt::black);
            canvas.setBrush(Qt::white);
            canvas.setFont(QStringLiteral("DejaVu Sans"), 12, false);
            canvas.textOut(at.x(), at.y(), QStringLiteral("HJ"));
        }
        // The cell is opaque white from the point on; nothing is drawn above or left of it.
        QCOMPARE(image.pixel(at), QColor(Qt::white).rgb());
        int inkTop = image.height(), inkLeft = image.width(), inkBottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (x < at.x() || y < at.y())
                    QCOMPARE(p, QColor(Qt::gray).rgb());
                if (isDark(p)) {
                    inkTop = std::min(inkTop, y);
                    inkLeft = std::min(inkLeft, x);
                    inkBottom = std::max(inkBottom, y);
                }
            }
        }
        // Capital letters of a 100-dot font start a little below the cell's top and reach well down.
        QVERIFY(inkTop >= at.y() && inkTop < at.y() + 40);
        QVERIFY(inkLeft >= at.x() && inkLeft < at.x() + 20);
        QVERIFY(inkBottom - inkTop > 60);
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
