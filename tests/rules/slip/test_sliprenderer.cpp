// SPDX-License-Identifier: GPL-3.0-or-later
// One slip drawn onto a canvas with no window: every item of the layout at its dots for the
// resolution and margins, black on white, and nothing at all when a margin is no whole number.

#include "rules/errors.h"
#include "rules/slip/devicemapping.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/sliprenderer.h"
#include "support/sampleslip.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace rova::slip;

namespace
{

struct Drawn {
    QString text, family;
    int points;
    bool bold;
    QPoint at;
    QColor color, brush;
};

class RecordingCanvas : public rova::print::Canvas
{
public:
    void setFont(const QString& family, int pointSize, bool bold) override
    {
        m_family = family;
        m_points = pointSize;
        m_bold = bold;
    }
    void setTextColor(const QColor& color) override { m_color = color; }
    void setBrush(const QColor& color) override { m_brush = color; }
    void textOut(int x, int y, const QString& text) override
    {
        drawn.append({text, m_family, m_points, m_bold, QPoint(x, y), m_color, m_brush});
    }
    void line(int, int, int, int) override { QFAIL("a slip draws no lines"); }
    QList<Drawn> drawn;

private:
    QString m_family;
    int m_points = 0;
    bool m_bold = false;
    QColor m_color = Qt::red, m_brush = Qt::red; // neither is what a slip uses
};

PrintSettings settings(QPoint dpi, const QString& top, const QString& left)
{
    PrintSettings p;
    p.resolution = dpi;
    p.top = top;
    p.left = left;
    return p;
}

} // namespace

class TestSlipRenderer : public QObject
{
    Q_OBJECT
private slots:
    void everyItemAtItsDots_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<QPoint>("dpi");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        for (int type = 0; type < slipTypes().size(); ++type)
            for (int dpi : {300, 600, 631})
                QTest::addRow("%s at %d dpi", qPrintable(slipTypes()[type]), dpi)
                    << type << QPoint(dpi, dpi) << 25 << -40;
        QTest::newRow("uneven resolution") << 0 << QPoint(600, 300) << 0 << 0;
    }
    void everyItemAtItsDots()
    {
        QFETCH(int, slipType);
        QFETCH(QPoint, dpi);
        QFETCH(int, top);
        QFETCH(int, left);
        RecordingCanvas canvas;
        renderSlip(canvas, rova::test::sampleSlip(slipType),
                   settings(dpi, QString::number(top), QString::number(left)));

        const QList<TextItem> layout = layoutItems(rova::test::sampleSlip(slipType));
        QCOMPARE(canvas.drawn.size(), layout.size());
        for (int i = 0; i < layout.size(); ++i) {
            const TextItem& item = layout[i];
            const Drawn& d = canvas.drawn[i];
            QCOMPARE(d.text, item.text);
            QCOMPARE(d.family, item.family);
            QCOMPARE(d.points, item.points);
            QCOMPARE(d.bold, item.bold);
            QCOMPARE(d.at, QPoint(toDevice(scaleFactor(dpi.x()), item.x, left),
                                  toDevice(scaleFactor(dpi.y()), item.y, top)));
            QCOMPARE(d.color, QColor(Qt::black));
            QCOMPARE(d.brush, QColor(Qt::white));
        }
    }

    void badMarginDrawsNothing_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("message");
        QTest::newRow("top with decimals") << "1.5"
                                           << "0"
                                           << "'1.5' is not a valid integer value";
        QTest::newRow("left that is no number") << "0"
                                                << "abc"
                                                << "'abc' is not a valid integer value";
        QTest::newRow("empty margins are no error") << ""
                                                    << ""
                                                    << "";
    }
    void badMarginDrawsNothing()
    {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QString, message);
        RecordingCanvas canvas;
        try {
            renderSlip(canvas, rova::test::sampleSlip(), settings({600, 600}, top, left));
            QVERIFY2(message.isEmpty(), "no error raised");
            QVERIFY(!canvas.drawn.isEmpty());
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), message);
            QVERIFY(canvas.drawn.isEmpty());
        }
    }

    // A preview draws the same slip onto an image.
    void drawsOnAnImage()
    {
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(Qt::gray);
        {
            QPainter painter(&image);
            rova::print::PainterCanvas canvas(painter, 150);
            renderSlip(canvas, rova::test::sampleSlip(), settings({150, 150}, "0", "0"));
        }
        // The postal code's first box (layout 185, 30) lands at 173, 28 dots at 150 dpi, on white.
        QCOMPARE(image.pixel(174, 29), QColor(Qt::white).rgb());
        QCOMPARE(image.pixel(5, 5), QColor(Qt::gray).rgb());
    }
};

QTEST_MAIN(TestSlipRenderer)
#include "test_sliprenderer.moc"
