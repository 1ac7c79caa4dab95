// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"
#include "rules/slip/devicemapping.h"

#include <QTest>

using namespace rova::slip;

class TestDeviceMapping : public QObject
{
    Q_OBJECT
private slots:
    void scale_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<qint64>("scale");
        QTest::newRow("600 dpi is exact") << 600 << qint64(37500);
        QTest::newRow("631 dpi tie goes up to even") << 631 << qint64(39438);
        QTest::newRow("601 dpi tie goes down to even") << 601 << qint64(37562);
        QTest::newRow("300 dpi") << 300 << qint64(18750);
        QTest::newRow("1 dpi tie goes down to 62") << 1 << qint64(62);
        QTest::newRow("3 dpi tie goes up to 188") << 3 << qint64(188);
        QTest::newRow("0 dpi") << 0 << qint64(0);
    }
    void scale()
    {
        QFETCH(int, dpi);
        QFETCH(qint64, scale);
        QCOMPARE(scaleFactor(dpi), scale);
    }

    void position_data()
    {
        QTest::addColumn<qint64>("scale");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("device");
        QTest::newRow("X 185 at 600 dpi") << qint64(37500) << 185 << 0 << 694;
        QTest::newRow("Y 30 at 600 dpi rounds half away, not to even 112") << qint64(37500) << 30 << 0 << 113;
        QTest::newRow("Y 20 at 300 dpi") << qint64(18750) << 20 << 0 << 38;
        QTest::newRow("positive margin adds dots") << qint64(37500) << 185 << 25 << 719;
        QTest::newRow("negative margin subtracts dots") << qint64(37500) << 30 << -12 << 101;
        QTest::newRow("margin may push off the page") << qint64(37500) << 30 << -500 << -387;
        QTest::newRow("farthest point at 631 dpi") << qint64(39438) << 1034 << 0 << 4078;
        QTest::newRow("huge margin holds at the end of the range")
            << qint64(37500) << 1034 << 2147483647 << 2147483647;
    }
    void position()
    {
        QFETCH(qint64, scale);
        QFETCH(int, units);
        QFETCH(int, margin);
        QFETCH(int, device);
        QCOMPARE(toDevice(scale, units, margin), device);
    }

    void scaledResolution_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("resolution");
        QTest::newRow("scale 95 at 600 dpi") << 600 << 95 << 631;
        QTest::newRow("no scale setting") << 600 << 100 << 600;
        QTest::newRow("scale 200 halves") << 600 << 200 << 300;
    }
    void scaledResolution()
    {
        QFETCH(int, dpi);
        QFETCH(int, percent);
        QFETCH(int, resolution);
        QCOMPARE(printResolution(dpi, percent), resolution);
    }

    void margins_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("margin");
        QTest::newRow("empty label acts as 0") << "" << 0;
        QTest::newRow("negative") << "-12" << -12;
        QTest::newRow("positive") << "25" << 25;
    }
    void margins()
    {
        QFETCH(QString, text);
        QFETCH(int, margin);
        QCOMPARE(marginFromText(text), margin);
    }

    void badMargin_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("reported");
        QTest::newRow("top with decimals") << "1.5"
                                           << "0"
                                           << "1.5";
        QTest::newRow("left with decimals") << "0"
                                            << "-2.25"
                                            << "-2.25";
        QTest::newRow("top checked before left") << "x"
                                                 << "y"
                                                 << "x";
        QTest::newRow("blank is no number") << " "
                                            << "0"
                                            << " ";
    }
    void badMargin()
    {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QString, reported);
        try {
            deviceMapping(QPoint(600, 600), top, left);
            QFAIL("no error raised");
        } catch (const rova::Error& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(reported));
        }
    }
};

QTEST_GUILESS_MAIN(TestDeviceMapping)
#include "test_devicemapping.moc"
