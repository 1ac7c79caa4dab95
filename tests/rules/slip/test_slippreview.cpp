// SPDX-License-Identifier: GPL-3.0-or-later
// The preview image: dark pixels where each value is drawn, none where the slip has no value (the
// faint marks are not dark), and red over values that run into each other.

#include "rules/slip/slipoverlaps.h"
#include "rules/slip/slippreview.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace rova::slip;

namespace
{

SlipPreview preview(const QString& slipType, int dpi)
{
    SlipPreview p;
    p.values.slipType = slipType;
    p.values.zip = "123-4567";
    p.values.add1 = "東京都千代田区";
    p.values.name = "山田　太郎";
    p.values.g1 = "書籍";
    p.values.count = "5";
    p.values.timeSlots[0] = p.values.promisedTimes[0] = true;
    p.settings.resolution = {dpi, dpi};
    p.settings.top = "12";
    p.settings.left = "-8";
    p.page = PageArea{{210, 297}, {4, 4, 4, 4}};
    return p;
}

QImage paint(const SlipPreview& p)
{
    const QRect bounds = previewBounds(p);
    QImage image(bounds.size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    paintPreview(painter, p);
    return image;
}

// Counts pixels in a rectangle of dots (from the printable corner) that pass a test.
int count(const QImage& image, const QRect& bounds, const QRect& box, bool (*test)(QRgb))
{
    int found = 0;
    const QRect inImage = box.translated(-bounds.topLeft()).intersected(image.rect());
    for (int y = inImage.top(); y <= inImage.bottom(); ++y)
        for (int x = inImage.left(); x <= inImage.right(); ++x)
            found += test(image.pixel(x, y)) ? 1 : 0;
    return found;
}

bool dark(QRgb c)
{
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}
bool red(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 120;
}

} // namespace

class TestSlipPreview : public QObject
{
    Q_OBJECT
private slots:
    void valuesAreDarkAndEmptyPlacesBlank_data()
    {
        QTest::addColumn<QString>("slipType");
        for (const QString& type : slipTypes())
            QTest::newRow(qPrintable(type)) << type;
    }
    void valuesAreDarkAndEmptyPlacesBlank()
    {
        QFETCH(QString, slipType);
        const SlipPreview p = preview(slipType, 150);
        const QImage image = paint(p);
        const QRect bounds = previewBounds(p);
        const QList<PlacedField> placed = placeFields(p.values, p.settings);
        QVERIFY(!placed.isEmpty());
        for (const PlacedField& f : placed)
            QVERIFY2(count(image, bounds, f.box, dark) > 0, qPrintable(f.field.label));
        // The telephone and the second address line are empty: a box there stays light.
        SlipPreview filled = p;
        filled.values.tel = "03-1234-5678";
        filled.values.add2 = "一番地";
        for (const PlacedField& f : placeFields(filled.values, filled.settings))
            if (f.field.field == "でんわ" || f.field.field == "おところ②")
                QVERIFY2(count(image, bounds, f.box, dark) == 0, qPrintable(f.field.field));
        QCOMPARE(count(image, bounds, bounds, red), 0);
    }

    void overlappingValuesAreRed()
    {
        SlipPreview p = preview(slipTypes()[0], 150);
        p.values.add1 = QString(30, QChar(0x3042));
        const QImage image = paint(p);
        const QRect bounds = previewBounds(p);
        for (const PlacedField& f : placeFields(p.values, p.settings)) {
            const bool expected = f.field.field == "おところ①" || f.field.label == "品名1";
            QVERIFY2((count(image, bounds, f.box, red) > 0) == expected, qPrintable(f.field.label));
        }
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestSlipPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_slippreview.moc"
