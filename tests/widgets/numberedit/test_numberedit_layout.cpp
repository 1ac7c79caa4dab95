// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/numberedit/numberedit_window.h"

#include <QImage>
#include <QSignalSpy>

class TestNumberEditLayout : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        NumberEdit e;
        QCOMPARE(e.size(), QSize(121, 20));
        QWidget window;
        NumberEdit placed(&window);
        QCOMPARE(placed.width(), 121);
        QCOMPARE(placed.height(), placed.lineHeight() + 2 + 2 + 2 * 2); // auto-size: font and margins
        QCOMPARE(e.cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(e.text(), QString());
        QCOMPARE(e.alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(e.integerLength(), 9);
        QCOMPARE(e.decimalLength(), 3);
        QVERIFY(e.minus() && e.comma() && e.errorBeep() && e.autoSelect() && e.hideSelection() &&
                e.autoSize());
        QVERIFY(!e.zeroEnabled() && !e.integerFixed() && !e.decimalFixed() && !e.enterFocusMove() &&
                !e.arrowFocusMove() && !e.imageCopy() && !e.readOnly());
        QCOMPARE(e.leftMargin() + e.topMargin() + e.rightMargin() + e.bottomMargin(), 8);
        QVERIFY(e.hasFrame());
        QCOMPARE(e.options(), NumberEdit::Option::ArrowUp | NumberEdit::Option::ArrowDown);
        QCOMPARE(e.caretWidth(), 1);
        QVERIFY(e.focusPolicy() & Qt::TabFocus);
        QCOMPARE(e.color(), e.palette().color(QPalette::Base));
        QCOMPARE(e.disabledColor(), e.palette().color(QPalette::Disabled, QPalette::Text));
    }

    void placedOnAWindowTakesTheWindowColour()
    {
        QWidget window;
        auto* e = new NumberEdit;
        e->setColor(Qt::yellow);
        e->setParent(&window);
        QCOMPARE(e->color(), e->palette().color(QPalette::Base));
    }

    void textWidthAddsOne()
    {
        NumberEdit e;
        QCOMPARE(e.textWidth(QString()), 0);
        QCOMPARE(e.textWidth(QStringLiteral("1,234")),
                 QFontMetrics(e.font()).horizontalAdvance(QStringLiteral("1,234")) + 1);
    }

    void heightFollowsFontAndMargins()
    {
        NumberEdit e;
        QFont big = e.font();
        big.setPixelSize(30);
        big.setBold(true);
        e.setFont(big);
        QCOMPARE(e.lineHeight(), QFontMetrics(big).height());
        QCOMPARE(e.caretWidth(), 2);
        QCOMPARE(e.height(), e.lineHeight() + 8);
        e.setTopMargin(5);
        e.setBottomMargin(-1); // ignored
        QCOMPARE(e.height(), e.lineHeight() + 5 + 2 + 4);
        e.setFrame(false);
        QCOMPARE(e.height(), e.lineHeight() + 5 + 2);
        e.setAutoSize(false);
        e.setTopMargin(9);
        QCOMPARE(e.height(), e.lineHeight() + 5 + 2);
    }

    void numberRightAlignedInValueArea_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("integerFixed");
        QTest::newRow("right, plain") << int(Qt::AlignRight) << false;
        QTest::newRow("left, plain") << int(Qt::AlignLeft) << false;
        QTest::newRow("center, plain") << int(Qt::AlignHCenter) << false;
        QTest::newRow("right, integer fixed") << int(Qt::AlignRight) << true;
        QTest::newRow("left, integer fixed") << int(Qt::AlignLeft) << true;
        QTest::newRow("center, integer fixed") << int(Qt::AlignHCenter) << true;
    }
    void numberRightAlignedInValueArea()
    {
        QFETCH(int, alignment);
        QFETCH(bool, integerFixed);
        NumberEdit e;
        e.resize(300, e.height());
        e.setAlignment(Qt::Alignment(alignment) | Qt::AlignVCenter);
        e.setIntegerFixed(integerFixed);
        e.setLeftMark(u"￥"_qs);
        e.setRightMark(u"円"_qs);
        e.setText(QStringLiteral("1234"));
        const QRect l = e.leftMarkRect(), v = e.valueRect(), t = e.textRect(), r = e.rightMarkRect();
        QCOMPARE(l.width(), e.textWidth(u"￥"_qs));
        QCOMPARE(t.width(), e.textWidth(QStringLiteral("1,234")));
        QCOMPARE(v.width(),
                 e.textWidth(integerFixed ? QStringLiteral("-000,000,000") : QStringLiteral("1,234")));
        QCOMPARE(t.left() + t.width(), v.left() + v.width());
        QCOMPARE(l.left() + l.width(), v.left());
        QVERIFY(qAbs(r.left() - (v.left() + v.width())) <= 1); // centring rounds each half separately
        const int clientRight = e.width() - 2;
        if (alignment == Qt::AlignRight)
            QCOMPARE(r.left() + r.width(), clientRight - e.rightMargin() - 1);
        if (alignment == Qt::AlignLeft)
            QCOMPARE(l.left(), 2 + e.leftMargin());
        if (alignment == Qt::AlignHCenter)
            QVERIFY(qAbs((l.left() - 2 - e.leftMargin()) - (clientRight - e.rightMargin() - r.right() - 1)) <=
                    2);
    }

    void marksTakeNoRoomWhileEmpty()
    {
        NumberEdit e;
        e.setLeftMark(u"￥"_qs);
        e.setRightMark(u"円"_qs);
        QCOMPARE(e.leftMarkRect().width(), 0);
        QCOMPARE(e.rightMarkRect().width(), 0);
        QCOMPARE(e.displayImage(), QString());
        e.setDecimalFixed(true);
        e.setDecimalLength(2);
        QCOMPARE(e.displayImage(), u"￥0.00円"_qs);
        QVERIFY(e.leftMarkRect().width() > 0);
    }

    void verticalPlacement_data()
    {
        QTest::addColumn<int>("vertAlignment");
        QTest::addColumn<int>("top");
        const int h = 40, H = QFontMetrics(QApplication::font()).height();
        QTest::newRow("top") << int(Qt::AlignTop) << 2 + 2;
        QTest::newRow("bottom") << int(Qt::AlignBottom) << 2 + (h - 4) - H - 2;
        QTest::newRow("centre") << int(Qt::AlignVCenter) << 2 + ((h - 4) - H - 4) / 2 + 2;
    }
    void verticalPlacement()
    {
        QFETCH(int, vertAlignment);
        NumberEdit e;
        e.setAutoSize(false);
        e.resize(121, 40);
        e.setAlignment(Qt::AlignRight | Qt::Alignment(vertAlignment));
        e.setText(QStringLiteral("5"));
        QTEST(e.textRect().top(), "top");
        QCOMPARE(e.textRect().height(), e.lineHeight());
    }

    void caretStandsAfterTheTypedPart_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("decimalFixed");
        QTest::addColumn<QString>("typed");
        QTest::newRow("after the number") << "1234" << false << "1,234";
        QTest::newRow("before the padded zeros") << "12.5" << true << "12.5";
        QTest::newRow("after the shown zero of an empty fixed value") << "" << true << "0";
    }
    void caretStandsAfterTheTypedPart()
    {
        QFETCH(QString, value);
        QFETCH(bool, decimalFixed);
        QFETCH(QString, typed);
        NumberEdit e;
        e.setDecimalFixed(decimalFixed);
        e.setText(value);
        QCOMPARE(e.caretPoint(), QPoint(e.textRect().left() + e.textWidth(typed) - 1, e.textRect().top()));
    }

    void availableWidthAndSizeHint()
    {
        NumberEdit e;
        QCOMPARE(e.availableWidth(), 121 - 4 - 4 - 4);
        e.setOptions(e.options() | NumberEdit::Option::AutoWidth);
        e.setIntegerLength(3);
        e.setDecimalLength(0);
        QCOMPARE(e.sizeHint().width(), e.textWidth(QStringLiteral("-000.")) + 4 + 2 + 4);
        e.setFrame(false);
        QCOMPARE(e.availableWidth(), 121 - 4 - 2);
        QCOMPARE(e.sizeHint().width(), e.textWidth(QStringLiteral("-000.")) + 4 + 2);
    }

    void painting_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("selected shows the highlight") << true << true << true;
        QTest::newRow("unselected shows the window colour") << false << true << false;
        QTest::newRow("disabled never highlights") << true << false << false;
    }
    void painting()
    {
        QFETCH(bool, selected);
        QFETCH(bool, enabled);
        NumberEdit e;
        e.setText(QStringLiteral("88888"));
        if (selected)
            e.selectAll();
        e.setEnabled(enabled);
        const QImage image = e.grab().toImage();
        const QRect t = e.textRect();
        const QColor highlight = e.palette().color(QPalette::Highlight);
        const QColor background = image.pixelColor(t.left(), t.top());
        QTEST(background == highlight, "highlighted");
        if (!selected || !enabled)
            QCOMPARE(background, e.color());
        QCOMPARE(image.pixelColor(4, e.height() / 2), e.color()); // outside the number: the control's colour
        if (!enabled) {
            bool disabledInk = false;
            for (int x = t.left(); x <= t.right(); ++x)
                for (int y = t.top(); y <= t.bottom(); ++y)
                    disabledInk = disabledInk || image.pixelColor(x, y) == e.disabledColor();
            QVERIFY(disabledInk);
        }
    }

    void marksDrawnOnlyWithANumber_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("inked");
        QTest::newRow("empty value draws nothing, marks included") << "" << false;
        QTest::newRow("a number brings its marks") << "5" << true;
    }
    void marksDrawnOnlyWithANumber()
    {
        QFETCH(QString, value);
        NumberEdit e;
        e.setLeftMark(u"￥￥￥"_qs);
        e.setRightMark(u"円円円"_qs);
        e.setText(value);
        const QImage image = e.grab().toImage();
        bool inked = false;
        for (int x = 2; x < e.width() - 2; ++x)
            for (int y = 2; y < e.height() - 2; ++y)
                inked = inked || image.pixelColor(x, y) != e.color();
        QTEST(inked, "inked");
        if (!value.isEmpty()) {
            bool markInk = false;
            const QRect mark = e.leftMarkRect();
            for (int x = mark.left(); x <= mark.right(); ++x)
                for (int y = mark.top(); y <= mark.bottom(); ++y)
                    markInk = markInk || image.pixelColor(x, y) != e.color();
            QVERIFY(markInk);
        }
    }

    void propertyChangesNeverFireChanged()
    {
        NumberEdit e;
        e.setText(QStringLiteral("-1234.567"));
        QSignalSpy changes(&e, &NumberEdit::changed);
        e.setDecimalLength(2);
        QCOMPARE(e.text(), QStringLiteral("-1234.56"));
        e.setIntegerLength(5);
        QCOMPARE(e.text(), QStringLiteral("-1234.56"));
        e.setMinus(false);
        QCOMPARE(e.text(), QString()); // a negative value cannot stay
        e.setText(QStringLiteral("1234"));
        changes.clear();
        e.setIntegerLength(3);
        QCOMPARE(e.text(), QString()); // too long now: dropped whole
        e.setIntegerLength(-1);
        QCOMPARE(e.integerLength(), 3);
        e.setComma(false);
        e.setDecimalFixed(true);
        e.setLeftMark(QStringLiteral("<"));
        QCOMPARE(changes.count(), 0);
        QVERIFY(!e.undoAvailable());
    }

    void setText_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("assigned");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("changes");
        QTest::newRow("full-width 1,234.5678") << "" << u"１，２３４．５６７８"_qs << "1234.567" << 1;
        QTest::newRow("12 and letters") << ""
                                        << "12abc"
                                        << "12" << 1;
        QTest::newRow("ten digits give empty") << "5"
                                               << "1234567890"
                                               << "" << 1;
        QTest::newRow("leading zeros stripped") << ""
                                                << "0012"
                                                << "12" << 1;
        QTest::newRow("same text fires nothing") << "12"
                                                 << "12"
                                                 << "12" << 0;
        QTest::newRow("compared before filtering") << "12"
                                                   << "12abc"
                                                   << "12" << 1;
        QTest::newRow("empty onto empty fires nothing") << ""
                                                        << ""
                                                        << "" << 0;
        QTest::newRow("character outside code page 932 ends the text")
            << "" << QString::fromLatin1("12") + QChar(0xFFFD) << "12" << 1;
    }
    void setText()
    {
        QFETCH(QString, start);
        QFETCH(QString, assigned);
        NumberEdit e;
        e.setText(start);
        QSignalSpy changes(&e, &NumberEdit::changed);
        e.setText(assigned);
        QTEST(e.text(), "value");
        QTEST(int(changes.count()), "changes");
        QVERIFY(!e.undoAvailable());
    }
};

QTEST_MAIN(TestNumberEditLayout)
#include "test_numberedit_layout.moc"
