// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/numberedit/numberedit_window.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>

namespace
{
QAction* menuItem(NumberEdit* e, const QString& caption)
{
    for (QAction* a : e->contextMenu()->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}
// Opens the control's context menu with the mouse and clicks the item with this caption.
bool clickMenuItem(NumberEdit* e, const QString& caption)
{
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), e->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(e, &open);
    QMenu* menu = e->contextMenu();
    QAction* item = menuItem(e, caption);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }) || !item || !item->isEnabled())
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    return QTest::qWaitFor([menu] { return !menu->isVisible(); });
}
QString clip()
{
    return QGuiApplication::clipboard()->text();
}
} // namespace

class TestNumberEditClipboard : public QObject
{
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("untouched")); }

    void copy_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("imageCopy");
        QTest::addColumn<QString>("copied");
        QTest::newRow("value text when all is selected") << true << false << "1234";
        QTest::newRow("display image with its mark when asked") << true << true << u"￥1,234"_qs;
        QTest::newRow("nothing without a selection") << false << false << "untouched";
    }
    void copy()
    {
        QFETCH(bool, selected);
        QFETCH(bool, imageCopy);
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setLeftMark(u"￥"_qs);
        w.edit->setImageCopy(imageCopy);
        w.edit->setText(QStringLiteral("1234"));
        QVERIFY(w.enter());
        if (!selected)
            QTest::keyClick(w.edit, Qt::Key_End);
        QSignalSpy changes(w.edit, &NumberEdit::changed);
        QTest::keyClick(w.edit, Qt::Key_C, Qt::ControlModifier);
        QTEST(clip(), "copied");
        QCOMPARE(w.edit->text(), QStringLiteral("1234"));
        QCOMPARE(changes.count(), 0);
    }

    void cutFiresChangedTwice()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("-12.5"));
        QVERIFY(w.enter());
        QVERIFY(w.edit->allSelected());
        QSignalSpy changes(w.edit, &NumberEdit::changed);
        QTest::keyClick(w.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clip(), QStringLiteral("-12.5"));
        QCOMPARE(w.edit->text(), QString());
        QCOMPARE(changes.count(), 2);
    }

    void cutWithoutSelectionDoesNothing()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("12"));
        QVERIFY(w.enter());
        QTest::keyClick(w.edit, Qt::Key_End);
        QSignalSpy changes(w.edit, &NumberEdit::changed);
        QTest::keyClick(w.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), QStringLiteral("12"));
        QCOMPARE(clip(), QStringLiteral("untouched"));
        QCOMPARE(changes.count(), 0);
    }

    void paste_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("value");
        QTest::newRow("appended without a selection") << "12" << false << "34"
                                                      << "1234";
        QTest::newRow("replaces the selection") << "12" << true << "34"
                                                << "34";
        QTest::newRow("full-width text filtered") << "" << false << u"１，２３４．５"_qs << "1234.5";
        QTest::newRow("leading zeros stripped") << "" << false << "007"
                                                << "7";
        QTest::newRow("appended zeros after zero stripped") << "0" << false << "05"
                                                            << "5";
        QTest::newRow("too long an integer part empties the value") << "12345" << false << "67890"
                                                                    << "";
        QTest::newRow("letters cut the pasted text") << "1" << false << "2x3"
                                                     << "12";
        QTest::newRow("a second minus ends the text") << "-1" << false << "-2"
                                                      << "-1";
    }
    void paste()
    {
        QFETCH(QString, start);
        QFETCH(bool, selected);
        QFETCH(QString, pasted);
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(start);
        QVERIFY(w.enter());
        if (!selected)
            QTest::keyClick(w.edit, Qt::Key_End);
        QGuiApplication::clipboard()->setText(pasted);
        QSignalSpy changes(w.edit, &NumberEdit::changed);
        QTest::keyClick(w.edit, Qt::Key_V, Qt::ControlModifier);
        QTEST(w.edit->text(), "value");
        QVERIFY(!w.edit->allSelected());
        QCOMPARE(changes.count(), 1);
    }

    void pasteWithoutTextOnTheClipboardDoesNothing()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("12"));
        QVERIFY(w.enter());
        QGuiApplication::clipboard()->clear();
        QSignalSpy changes(w.edit, &NumberEdit::changed);
        QTest::keyClick(w.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), QStringLiteral("12"));
        QCOMPARE(changes.count(), 0);
        QVERIFY(!w.edit->undoAvailable());
    }

    void readOnlyRefusesClipboardChanges()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(QStringLiteral("12"));
        w.edit->setReadOnly(true);
        QVERIFY(w.enter());
        QVERIFY(w.edit->allSelected());
        QSignalSpy changes(w.edit, &NumberEdit::changed);
        QTest::keyClick(w.edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), QStringLiteral("12"));
        QCOMPARE(changes.count(), 0);
        QTest::keyClick(w.edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clip(), QStringLiteral("12"));
    }

    void menuCaptions()
    {
        NumberEdit e;
        QStringList captions;
        for (QAction* a : e.contextMenu()->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(captions, (QStringList{u"元に戻す(&U)"_qs, "-", u"切り取り(&T)"_qs, u"コピー(&C)"_qs,
                                        u"貼り付け(&P)"_qs, u"削除(&D)"_qs, "-", u"すべて選択(&A)"_qs}));
    }

    void menuEnabledStates_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("typeFirst");
        QTest::addColumn<QString>("enabled"); // initials: Undo, cuT, Copy, Paste, Delete, selectAll
        QTest::newRow("selected value") << "12" << true << false << false << "TCPD";
        QTest::newRow("unselected value") << "12" << false << false << false << "PA";
        QTest::newRow("empty value") << "" << false << false << false << "P";
        QTest::newRow("after typing, undo offered") << "12" << false << false << true << "UPA";
        QTest::newRow("read-only and selected") << "12" << true << true << false << "C";
        QTest::newRow("read-only and unselected") << "12" << false << true << false << "A";
    }
    void menuEnabledStates()
    {
        QFETCH(QString, start);
        QFETCH(bool, selected);
        QFETCH(bool, readOnly);
        QFETCH(bool, typeFirst);
        NumEditWindow w;
        QVERIFY(w.active());
        w.edit->setText(start);
        QVERIFY(w.enter());
        QTest::keyClick(w.edit, Qt::Key_End);
        if (typeFirst)
            QTest::keyClick(w.edit, '3');
        if (selected)
            QTest::keyClick(w.edit, Qt::Key_A, Qt::ControlModifier);
        w.edit->setReadOnly(readOnly);
        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), w.edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.edit, &open);
        QTRY_VERIFY(w.edit->contextMenu()->isVisible());
        QString enabled;
        const QList<QPair<QString, QChar>> items{{u"元に戻す(&U)"_qs, 'U'}, {u"切り取り(&T)"_qs, 'T'},
                                                 {u"コピー(&C)"_qs, 'C'},   {u"貼り付け(&P)"_qs, 'P'},
                                                 {u"削除(&D)"_qs, 'D'},     {u"すべて選択(&A)"_qs, 'A'}};
        for (const auto& [caption, initial] : items)
            if (menuItem(w.edit, caption)->isEnabled())
                enabled += initial;
        w.edit->contextMenu()->hide();
        QTEST(enabled, "enabled");
    }

    void menuPasteNeedsText()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        QGuiApplication::clipboard()->clear();
        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), w.edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.edit, &open);
        QTRY_VERIFY(w.edit->contextMenu()->isVisible());
        QVERIFY(w.edit->hasFocus());
        QVERIFY(!menuItem(w.edit, u"貼り付け(&P)"_qs)->isEnabled());
        w.edit->contextMenu()->hide();
    }

    void menuActions()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        NumberEdit* e = w.edit;
        e->setText(QStringLiteral("12"));
        QVERIFY(w.enter());
        QVERIFY(e->allSelected());
        QSignalSpy changes(e, &NumberEdit::changed);

        QVERIFY(clickMenuItem(e, u"コピー(&C)"_qs));
        QCOMPARE(clip(), QStringLiteral("12"));
        QVERIFY(clickMenuItem(e, u"削除(&D)"_qs));
        QCOMPARE(e->text(), QString());
        QCOMPARE(changes.count(), 1);
        QVERIFY(clickMenuItem(e, u"元に戻す(&U)"_qs));
        QCOMPARE(e->text(), QStringLiteral("12"));
        QVERIFY(e->allSelected());
        QCOMPARE(changes.count(), 2);
        QVERIFY(clickMenuItem(e, u"切り取り(&T)"_qs));
        QCOMPARE(e->text(), QString());
        QCOMPARE(changes.count(), 4);
        QVERIFY(clickMenuItem(e, u"貼り付け(&P)"_qs));
        QCOMPARE(e->text(), QStringLiteral("12"));
        QVERIFY(!e->allSelected());
        QVERIFY(clickMenuItem(e, u"すべて選択(&A)"_qs));
        QVERIFY(e->allSelected());
    }

    void undoSwapsBackAndForth()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        NumberEdit* e = w.edit;
        QVERIFY(w.enter());
        QVERIFY(!e->undoAvailable());
        QTest::keyClick(e, '1');
        QTest::keyClick(e, '2');
        QVERIFY(clickMenuItem(e, u"元に戻す(&U)"_qs));
        QCOMPARE(e->text(), QStringLiteral("1"));
        QVERIFY(clickMenuItem(e, u"元に戻す(&U)"_qs));
        QCOMPARE(e->text(), QStringLiteral("12"));
    }
};

QTEST_MAIN(TestNumberEditClipboard)
#include "test_numberedit_clipboard.moc"
