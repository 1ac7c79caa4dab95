// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/numberedit/numberedit_window.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>

namespace
{
// Stands for an owner's key handler: it sees every key first and keeps the ones it handles.
class OwnerKeys : public QObject
{
public:
    QList<int> seen;
    int consumed = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        seen << key;
        return key == consumed;
    }
};
// Records what the control holds when its owner is told of entering and leaving.
class OwnerFocus : public QObject
{
public:
    QStringList log;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* e = static_cast<NumberEdit*>(watched);
        if (event->type() == QEvent::FocusIn)
            log << (e->allSelected() ? QStringLiteral("enter selected") : QStringLiteral("enter unselected"));
        else if (event->type() == QEvent::FocusOut)
            log << QStringLiteral("exit value=%1").arg(e->text());
        return false;
    }
};
} // namespace

class TestNumberEditFocus : public QObject
{
    Q_OBJECT
private slots:
    void enteringSelects_data()
    {
        QTest::addColumn<bool>("autoSelect");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selected");
        QTest::newRow("auto-select selects the value") << true << "12" << true;
        QTest::newRow("nothing to select in an empty value") << true << "" << false;
        QTest::newRow("no auto-select, no selection") << false << "12" << false;
    }
    void enteringSelects()
    {
        QFETCH(bool, autoSelect);
        QFETCH(QString, start);
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setAutoSelect(autoSelect);
        w.edit->setText(start);
        QVERIFY(w.enter());
        QTEST(w.edit->allSelected(), "selected");
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("minusOnly");
        QTest::addColumn<bool>("hideSelection");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("selected");
        QTest::newRow("lone minus emptied") << "-" << false << true << "" << false;
        QTest::newRow("lone minus kept with MinusOnly") << "-" << true << true << "-" << false;
        QTest::newRow("negative number kept") << "-5" << false << true << "-5" << false;
        QTest::newRow("selection kept without hide-selection") << "12" << false << false << "12" << true;
    }
    void leaving()
    {
        QFETCH(QString, start);
        QFETCH(bool, minusOnly);
        QFETCH(bool, hideSelection);
        NumEditWindow w;
        QVERIFY(w.active());
        NumberEdit* e = w.edit;
        if (minusOnly)
            e->setOptions(e->options() | NumberEdit::Option::MinusOnly);
        e->setHideSelection(hideSelection);
        e->setText(start);
        QVERIFY(w.enter());
        QSignalSpy changes(e, &NumberEdit::changed);
        QTest::keyClick(e, Qt::Key_Tab);
        QTRY_VERIFY(w.after->hasFocus());
        QTEST(e->text(), "value");
        QTEST(e->allSelected(), "selected");
        QCOMPARE(changes.count(), 0);
        QCOMPARE(e->displayImage(), e->text());
    }

    // A box takes the focus; while it is up, the program puts the focus on another field, which the
    // window gets once the box is gone. The control was left all the same.
    void leftWhileABoxHadTheFocus()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        QVERIFY(w.enter());
        QTest::keyClick(w.edit, Qt::Key_Minus);
        QCOMPARE(w.edit->text(), QStringLiteral("-"));
        {
            QWidget box;
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            w.after->setFocus(Qt::OtherFocusReason);
        }
        w.window->activateWindow();
        QVERIFY(w.active());
        QTRY_VERIFY(w.after->hasFocus());
        QCOMPARE(w.edit->text(), QString());
        w.edit->setText(QStringLiteral("12"));
        QVERIFY(w.enter());
        QVERIFY(w.edit->allSelected());
    }

    void ownerSeesEnterAndExitFirst()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        OwnerFocus owner;
        w.edit->installEventFilter(&owner);
        w.edit->setText(QStringLiteral("-"));
        QVERIFY(w.enter());
        QTest::keyClick(w.edit, Qt::Key_Tab);
        QTRY_VERIFY(w.after->hasFocus());
        QCOMPARE(owner.log, (QStringList{"enter unselected", "exit value=-"}));
        QCOMPARE(w.edit->text(), QString());
    }

    void ownerConsumesKeys()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        OwnerKeys owner;
        owner.consumed = Qt::Key_5;
        w.edit->installEventFilter(&owner);
        QVERIFY(w.enter());
        QSignalSpy beeps(w.edit, &NumberEdit::beeped);
        QTest::keyClick(w.window->windowHandle(), '4');
        QTest::keyClick(w.window->windowHandle(), '5');
        QTest::keyClick(w.window->windowHandle(), '6');
        QCOMPARE(w.edit->text(), QStringLiteral("46"));
        QCOMPARE(owner.seen, (QList<int>{Qt::Key_4, Qt::Key_5, Qt::Key_6}));
        QCOMPARE(beeps.count(), 0);
    }

    void keysMoveFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("enterFocusMove");
        QTest::addColumn<bool>("arrowFocusMove");
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("focused");
        const int arrows = int(NumberEdit::Option::ArrowUp | NumberEdit::Option::ArrowDown);
        QTest::newRow("Enter moves on when asked")
            << int(Qt::Key_Return) << true << false << arrows << "after";
        QTest::newRow("keypad Enter too") << int(Qt::Key_Enter) << true << false << arrows << "after";
        QTest::newRow("Enter stays by default") << int(Qt::Key_Return) << false << false << arrows << "edit";
        QTest::newRow("Up moves back with arrow focus move")
            << int(Qt::Key_Up) << false << true << arrows << "before";
        QTest::newRow("Down moves on with arrow focus move")
            << int(Qt::Key_Down) << false << true << arrows << "after";
        QTest::newRow("Up stays without arrow focus move")
            << int(Qt::Key_Up) << false << false << arrows << "edit";
        QTest::newRow("Up stays without ArrowUp")
            << int(Qt::Key_Up) << false << true << int(NumberEdit::Option::ArrowDown) << "edit";
        QTest::newRow("Down stays without ArrowDown")
            << int(Qt::Key_Down) << false << true << int(NumberEdit::Option::ArrowUp) << "edit";
    }
    void keysMoveFocus()
    {
        QFETCH(int, key);
        QFETCH(bool, enterFocusMove);
        QFETCH(bool, arrowFocusMove);
        QFETCH(int, options);
        QFETCH(QString, focused);
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setEnterFocusMove(enterFocusMove);
        w.edit->setArrowFocusMove(arrowFocusMove);
        w.edit->setOptions(NumberEdit::Options(options));
        w.edit->setErrorBeep(false);
        QVERIFY(w.enter());
        QTest::keyClick(w.window->windowHandle(), Qt::Key(key));
        QWidget* expected = focused == QLatin1String("after")    ? static_cast<QWidget*>(w.after)
                            : focused == QLatin1String("before") ? static_cast<QWidget*>(w.before)
                                                                 : w.edit;
        QTRY_COMPARE(QApplication::focusWidget(), expected);
    }

    void clickFocusesAndClearsSelection()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("12"));
        w.before->setFocus();
        QTRY_VERIFY(w.before->hasFocus());
        QTest::mouseClick(w.edit, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(w.edit->hasFocus());
        QVERIFY(!w.edit->allSelected());
        QTest::keyClick(w.edit, '3');
        QCOMPARE(w.edit->text(), QStringLiteral("123"));
    }

    void rightClickFocuses()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.before->setFocus();
        QTRY_VERIFY(w.before->hasFocus());
        QTest::mousePress(w.edit, Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(w.edit->hasFocus());
        QTest::mouseRelease(w.edit, Qt::RightButton, {}, QPoint(5, 5));
        w.edit->contextMenu()->hide();
    }

    void doubleClickSelectsAndTheNextClickKeepsIt()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("12"));
        w.edit->setAutoSelect(false);
        QTest::mouseClick(w.edit, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(w.edit->hasFocus());
        QVERIFY(!w.edit->allSelected());
        QTest::mouseDClick(w.edit, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.edit->allSelected());
        QTest::mouseClick(w.edit, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.edit->allSelected()); // the double-click marker is used up instead
        QTest::mouseClick(w.edit, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!w.edit->allSelected());
    }

    void dragAcrossTheNumberSelects_data()
    {
        QTest::addColumn<bool>("overText");
        QTest::addColumn<bool>("selected");
        QTest::newRow("drag over the number selects all") << true << true;
        QTest::newRow("drag beside the number does not") << false << false;
    }
    void dragAcrossTheNumberSelects()
    {
        QFETCH(bool, overText);
        NumEditWindow w;
        QVERIFY(w.active());
        NumberEdit* e = w.edit;
        e->setText(QStringLiteral("1234"));
        e->setAutoSelect(false);
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(3, 5));
        QTRY_VERIFY(e->hasFocus());
        QTRY_VERIFY(e->textRect().width() > 0);
        const QPoint start(3, e->height() / 2);
        QTest::mousePress(e, Qt::LeftButton, {}, start);
        QTest::mouseMove(e, overText ? e->textRect().center() : QPoint(4, e->height() / 2));
        QTest::mouseRelease(e, Qt::LeftButton, {}, e->textRect().center());
        QTEST(e->allSelected(), "selected");
    }

    void contextMenuKeepsSelection()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("12"));
        QVERIFY(w.enter());
        QVERIFY(w.edit->allSelected());
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    w.edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.edit, &menuEvent);
        QTRY_VERIFY(w.edit->contextMenu()->isVisible());
        QVERIFY(w.edit->allSelected());
        QTest::keyClick(w.edit->contextMenu(), Qt::Key_Escape);
        QTRY_VERIFY(!w.edit->contextMenu()->isVisible());
        QTRY_VERIFY(w.edit->hasFocus());
        QVERIFY(w.edit->allSelected());
    }
};

QTEST_MAIN(TestNumberEditFocus)
#include "test_numberedit_focus.moc"
