// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/numberedit/numberedit_window.h"

#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTestEventList>

namespace
{
struct Settings {
    int integerLength = 9;
    int decimalLength = 3;
    bool minus = true;
    bool zeroEnabled = false;
    bool errorBeep = true;
    bool readOnly = false;
};
Settings pieceCount(bool errorBeep)
{
    Settings s;
    s.integerLength = 3;
    s.decimalLength = 0;
    s.errorBeep = errorBeep;
    return s;
}
Settings with(void (*change)(Settings&))
{
    Settings s;
    change(s);
    return s;
}
QTestEventList keys(const char* typed, bool keepSelection = false)
{
    QTestEventList list;
    if (!keepSelection)
        list.addKeyClick(Qt::Key_End); // entering selected everything; End drops the selection
    for (const char* c = typed; *c; ++c)
        list.addKeyClick(*c);
    return list;
}
QTestEventList keyList(std::initializer_list<Qt::Key> ks, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTestEventList list;
    for (Qt::Key k : ks)
        list.addKeyClick(k, mods);
    return list;
}
} // namespace

Q_DECLARE_METATYPE(Settings)

class TestNumberEditTyping : public QObject
{
    Q_OBJECT
private slots:
    void typing_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QTestEventList>("events");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("changes");

        const Settings defaults;
        QTest::newRow("1234 is shown with a comma") << defaults << "" << keys("1234") << "1234"
                                                    << "1,234" << 0 << 4;
        QTest::newRow("then point and 5") << defaults << "" << keys("1234.5") << "1234.5"
                                          << "1,234.5" << 0 << 6;
        QTest::newRow("piece count keeps 123 silently") << pieceCount(false) << "" << keys("1234") << "123"
                                                        << "123" << 0 << 3;
        QTest::newRow("three-digit field beeps at the fourth digit")
            << pieceCount(true) << "" << keys("1234") << "123"
            << "123" << 1 << 3;
        QTest::newRow("piece count refuses the point") << pieceCount(true) << "" << keys("12.") << "12"
                                                       << "12" << 1 << 2;
        QTest::newRow("0 then 7 gives 7") << defaults << "" << keys("07") << "7"
                                          << "7" << 0 << 2;
        QTest::newRow("0 then 7 keeps 07 with zeros enabled")
            << with([](Settings& s) { s.zeroEnabled = true; }) << "" << keys("07") << "07"
            << "07" << 0 << 2;
        QTest::newRow("point into empty value gives 0.") << defaults << "" << keys(".") << "0."
                                                         << "0." << 0 << 1;
        QTest::newRow("minus on 12 gives -12") << defaults << "12" << keys("-") << "-12"
                                               << "-12" << 0 << 1;
        QTest::newRow("minus twice gives 12 back") << defaults << "12" << keys("--") << "12"
                                                   << "12" << 0 << 2;
        QTest::newRow("minus after digits still goes in front") << defaults << "" << keys("5-6") << "-56"
                                                                << "-56" << 0 << 3;
        QTest::newRow("minus refused when not allowed")
            << with([](Settings& s) { s.minus = false; }) << "12" << keys("-") << "12"
            << "12" << 1 << 0;
        QTest::newRow("second point refused") << defaults << "1.5" << keys(".") << "1.5"
                                              << "1.5" << 1 << 0;
        QTest::newRow("fourth decimal refused") << defaults << "1.234" << keys("5") << "1.234"
                                                << "1.234" << 1 << 0;
        QTest::newRow("tenth integer digit refused") << defaults << "123456789" << keys("0") << "123456789"
                                                     << "123,456,789" << 1 << 0;
        QTest::newRow("decimals allowed after nine integer digits")
            << defaults << "123456789" << keys(".5") << "123456789.5"
            << "123,456,789.5" << 0 << 2;
        QTest::newRow("letter refused with a beep") << defaults << "12" << keys("a") << "12"
                                                    << "12" << 1 << 0;
        QTest::newRow("letter refused silently without error beep")
            << with([](Settings& s) { s.errorBeep = false; }) << "12" << keys("a") << "12"
            << "12" << 0 << 0;

        QTestEventList enter = keys("");
        enter.addKeyClick(Qt::Key_Return);
        QTest::newRow("Enter refused with a beep") << defaults << "12" << enter << "12"
                                                   << "12" << 1 << 0;

        QTestEventList backspace = keys("");
        backspace.addKeyClick(Qt::Key_Backspace);
        QTestEventList del = keys("");
        del.addKeyClick(Qt::Key_Delete);
        QTest::newRow("Backspace on 12.5 gives 12") << defaults << "12.5" << backspace << "12"
                                                    << "12" << 0 << 1;
        QTest::newRow("Delete does the same") << defaults << "12.5" << del << "12"
                                              << "12" << 0 << 1;
        QTest::newRow("Backspace on 12. gives 12") << defaults << "12." << backspace << "12"
                                                   << "12" << 0 << 1;
        QTest::newRow("Backspace on -5 leaves the minus") << defaults << "-5" << backspace << "-"
                                                          << "-" << 0 << 1;
        QTest::newRow("Backspace on a lone minus empties") << defaults << "-" << backspace << ""
                                                           << "" << 0 << 1;
        QTest::newRow("Backspace on empty does nothing") << defaults << "" << backspace << ""
                                                         << "" << 0 << 0;

        QTest::newRow("typing over the selection replaces the value")
            << defaults << "123" << keys("5", true) << "5"
            << "5" << 0 << 2;
        QTest::newRow("minus over the selection starts a negative value")
            << defaults << "12" << keys("-", true) << "-"
            << "-" << 0 << 2;
        QTest::newRow("point over the selection starts with 0.")
            << defaults << "12" << keys(".", true) << "0."
            << "0." << 0 << 2;
        QTest::newRow("refused point does not clear the selection")
            << pieceCount(true) << "12" << keys(".", true) << "12"
            << "12" << 1 << 0;
        QTest::newRow("refused minus does not clear the selection")
            << with([](Settings& s) { s.minus = false; }) << "12" << keys("-", true) << "12"
            << "12" << 1 << 0;

        QTestEventList bsSelected;
        bsSelected.addKeyClick(Qt::Key_Backspace);
        QTest::newRow("Backspace over the selection clears") << defaults << "12" << bsSelected << ""
                                                             << "" << 0 << 1;

        QTestEventList ctrlA = keys("");
        ctrlA.addKeyClick(Qt::Key_A, Qt::ControlModifier);
        ctrlA.addKeyClick('7');
        QTest::newRow("Ctrl+A selects all, typing replaces") << defaults << "12" << ctrlA << "7"
                                                             << "7" << 0 << 2;
        QTestEventList shiftLeft = keys("");
        shiftLeft.addKeyClick(Qt::Key_Left, Qt::ShiftModifier);
        shiftLeft.addKeyClick('7');
        QTest::newRow("Shift+Left selects all") << defaults << "12" << shiftLeft << "7"
                                                << "7" << 0 << 2;
        QTestEventList shiftRight = keys("");
        shiftRight.addKeyClick(Qt::Key_Right, Qt::ShiftModifier);
        shiftRight.addKeyClick('7');
        QTest::newRow("Shift+Right selects all") << defaults << "12" << shiftRight << "7"
                                                 << "7" << 0 << 2;

        for (Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                          Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down}) {
            QTestEventList nav = keyList({k});
            nav.addKeyClick('3');
            QTest::addRow("navigation key %x drops the selection, typing appends", int(k))
                << defaults << "12" << nav << "123"
                << "123" << 0 << 1;
        }

        const Settings readOnly = with([](Settings& s) { s.readOnly = true; });
        QTest::newRow("read-only: digits discarded silently") << readOnly << "12" << keys("3-.") << "12"
                                                              << "12" << 0 << 0;
        QTest::newRow("read-only: Backspace does nothing") << readOnly << "12" << backspace << "12"
                                                           << "12" << 0 << 0;
        QTest::newRow("read-only: letters discarded silently") << readOnly << "12" << keys("a") << "12"
                                                               << "12" << 0 << 0;
        QTestEventList controlKeys = keyList({Qt::Key_Z, Qt::Key_B}, Qt::ControlModifier);
        QTest::newRow("other control characters refused") << defaults << "12" << controlKeys << "12"
                                                          << "12" << 2 << 0;
    }
    void typing()
    {
        QFETCH(Settings, settings);
        QFETCH(QString, start);
        QFETCH(QTestEventList, events);
        NumEditWindow w;
        QVERIFY(w.active());
        NumberEdit* e = w.edit;
        e->setIntegerLength(settings.integerLength);
        e->setDecimalLength(settings.decimalLength);
        e->setMinus(settings.minus);
        e->setZeroEnabled(settings.zeroEnabled);
        e->setErrorBeep(settings.errorBeep);
        e->setReadOnly(settings.readOnly);
        e->setText(start);
        QVERIFY(w.enter());
        QSignalSpy beeps(e, &NumberEdit::beeped);
        QSignalSpy changes(e, &NumberEdit::changed);

        events.simulate(e);

        QTEST(e->text(), "value");
        QTEST(e->displayImage(), "image");
        QTEST(int(beeps.count()), "beeps");
        QTEST(int(changes.count()), "changes");
    }

    void inputMethod_data()
    {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("beeps");
        QTest::newRow("full-width digits") << u"１２３"_qs << "123" << 0;
        QTest::newRow("full-width minus toggles the sign") << u"５－"_qs << "-5" << 0;
        QTest::newRow("full-width stop") << u"１．５"_qs << "1.5" << 0;
        QTest::newRow("full-width stop into empty value") << u"．"_qs << "0." << 0;
        QTest::newRow("full-width comma refused") << u"１，２"_qs << "12" << 1;
        QTest::newRow("kana refused") << u"あ"_qs << "" << 1;
        QTest::newRow("half-width digits pass too") << "42"
                                                    << "42" << 0;
    }
    void inputMethod()
    {
        QFETCH(QString, committed);
        NumEditWindow w;
        QVERIFY(w.active());
        QVERIFY(w.enter());
        QVERIFY(w.edit->inputMethodQuery(Qt::ImEnabled).toBool());
        QSignalSpy beeps(w.edit, &NumberEdit::beeped);
        QInputMethodEvent commit;
        commit.setCommitString(committed);
        QApplication::sendEvent(w.edit, &commit);
        QTEST(w.edit->text(), "value");
        QTEST(int(beeps.count()), "beeps");
    }

    void inputStopRefusesWhatDoesNotFit()
    {
        NumEditWindow w;
        QVERIFY(w.active());
        NumberEdit* e = w.edit;
        e->setOptions(e->options() | NumberEdit::Option::StopWhenFull);
        e->resize(e->textWidth(QStringLiteral("1,234")) + 2 * 2 + e->leftMargin() + e->rightMargin() + 2 * 2,
                  e->height());
        QVERIFY(w.enter());
        QSignalSpy beeps(e, &NumberEdit::beeped);
        for (char c : {'1', '2', '3', '4', '5', '-'})
            QTest::keyClick(e, c);
        QCOMPARE(e->text(), QStringLiteral("1234"));
        QCOMPARE(beeps.count(), 2);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClick(e, '-');
        QCOMPARE(e->text(), QStringLiteral("-123"));
    }
};

QTEST_MAIN(TestNumberEditTyping)
#include "test_numberedit_typing.moc"
