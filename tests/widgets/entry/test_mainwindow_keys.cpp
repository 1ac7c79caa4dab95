// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard flow of the slip entry window: Enter, Up, F2, F11 and the typed-character rules.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;

namespace
{
struct TypedKey {
    Qt::Key key;
    const char* text; // UTF-8
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
} // namespace
Q_DECLARE_METATYPE(TypedKey)

class TestMainWindowKeys : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;

    QWidget* control(const QString& name) const
    {
        auto* w = f->window()->findChild<QWidget*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void focusOn(const QString& name)
    {
        control(name)->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(MainWindowFixture::focusedName(), name);
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void startsInPostalCode() { QTRY_COMPARE(MainWindowFixture::focusedName(), QStringLiteral("Edit_Zip")); }

    void enterWalk_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("destination fields to the item names, then the first time slot")
            << 0 << QStringList{"Edit_Zip", "Edit_Add1", "Edit_Add2", "Edit_Add3", "Edit_Custo1",
                                "Edit_tel", "Edit_G1",   "Edit_G2",   "Edit_G3",   "CheckBox_t1"};
        QTest::newRow("delivery-date slips go from the item names to the count")
            << 4 << QStringList{"Edit_G1", "Edit_G2", "Edit_G3", "KeNumEdit_KOSUU"};
        QTest::newRow("time-service slips go from the item names to the promised time")
            << 2 << QStringList{"Edit_G2", "Edit_G3", "CheckBox_t21"};
        QTest::newRow("sender band ends on the register button")
            << 0
            << QStringList{"Edit_MyZip", "Edit_MyADD1", "Edit_MyADD2", "Edit_My", "Edit_MyTEL", "BitBtn_My"};
        QTest::newRow("slip date, delivery month and day, then the items")
            << 0 << QStringList{"DateTimePicker_1", "Edit_de_date1", "Edit_de_date2", "Edit_G1"};
    }
    void enterWalk()
    {
        QFETCH(int, slipType);
        QFETCH(QStringList, walk);
        f->chooseSlipType(slipType);
        focusOn(walk.first());
        for (qsizetype i = 1; i < walk.size(); ++i) {
            f->key(Qt::Key_Return);
            QTRY_COMPARE(MainWindowFixture::focusedName(), walk[i]);
        }
    }

    void enterMovesFocus_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("Enter in the telephone skips the sender band")
            << "Edit_tel" << int(Qt::Key_Return) << "Edit_G1";
        QTest::newRow("keypad Enter walks like Return") << "Edit_Add1" << int(Qt::Key_Enter) << "Edit_Add2";
    }
    void enterMovesFocus()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        focusOn(from);
        f->key(Qt::Key(key));
        QTRY_COMPARE(MainWindowFixture::focusedName(), to);
    }

    // The function keys work from every kind of control, not only from the fields that walk on Enter:
    // F2 asks to quit and F11 to print, with the same questions.
    void functionKeysFromEveryControl_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("asked");
        for (const char* field : {"CheckBox_t1", "CheckBox_Date_1", "CheckBox_My", "ComboBox_SEL",
                                  "PageControl_My", "BitBtn_My", "Memo1"}) {
            QTest::addRow("F2 in %s", field) << field << int(Qt::Key_F2) << QStringLiteral("終了しますか?");
            QTest::addRow("F11 in %s", field)
                << field << int(Qt::Key_F11) << MainWindowFixture::emptySlipQuestion();
        }
    }
    void functionKeysFromEveryControl()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QString, asked);
        focusOn(field);
        Dialogs::takeShown();
        Dialogs::answerNext(false);
        f->key(Qt::Key(key));
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{asked});
        QCOMPARE(Dialogs::pendingAnswers(), 0);
        QVERIFY(f->window()->isVisible());
    }

    // The keyboard table, handler by handler: F2 asks to quit (No goes to the postal code), F11 asks to
    // print (No goes to item 1), Up goes to the previous control, F7 does nothing.
    void keyboardTable_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("asked"); // the question shown; empty: none
        QTest::addColumn<QString>("focus"); // where the focus is afterwards
        const QString quit = QStringLiteral("終了しますか?");
        const QString print = QStringLiteral("印刷しますか?");
        const QList<std::pair<const char*, QStringList>> handlers{
            {"FormKeyDown",
             {"Edit_Add1", "Edit_Add2", "Edit_Add3", "Edit_Custo1", "Edit_MyZip", "Edit_MyADD1",
              "Edit_MyADD2", "Edit_My", "Edit_MyTEL", "DateTimePicker_1", "Edit_de_date1", "Edit_de_date2",
              "Edit_G1", "Edit_G3"}},
            {"Edit_ZipKeyDown", {"Edit_Zip"}},
            {"Edit_telKeyDown", {"Edit_tel"}},
            {"Edit_G2KeyDown", {"Edit_G2"}},
            {"Edit_End_KeyDown", {"KeNumEdit_KOSUU"}},
        };
        for (const auto& [handler, fields] : handlers) {
            for (const QString& field : fields) {
                const QByteArray at = handler + QByteArray(" in ") + field.toLatin1();
                QTest::addRow("%s: F2 asks to quit", at.constData())
                    << field << int(Qt::Key_F2) << quit << "Edit_Zip";
                QTest::addRow("%s: F11 asks to print", at.constData())
                    << field << int(Qt::Key_F11) << print << "Edit_G1";
                QTest::addRow("%s: F7 does nothing", at.constData())
                    << field << int(Qt::Key_F7) << "" << field;
            }
        }
        const QList<std::pair<const char*, const char*>> up{
            {"Edit_Zip", "Edit_Zip"}, // not handled there
            {"Edit_Add1", "Edit_Zip"},
            {"Edit_tel", "Edit_Custo1"},
            {"Edit_G2", "Edit_G1"},
            {"Edit_G1", "Edit_de_date2"},
            {"KeNumEdit_KOSUU", "Edit_G3"},
            {"Edit_MyZip", "CheckBox_My"},
            {"DateTimePicker_1", "CheckBox_Date_1"}, // instead of changing the date
        };
        for (const auto& [from, to] : up)
            QTest::addRow("Up in %s goes to %s", from, to) << from << int(Qt::Key_Up) << "" << to;
    }
    void keyboardTable()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QString, asked);
        QFETCH(QString, focus);
        if (field == QLatin1String("KeNumEdit_KOSUU"))
            f->chooseSlipType(4); // the only form kind that shows the count
        const QDate today = ui(f->window()).DateTimePicker_1->date();
        auto* edit = qobject_cast<QLineEdit*>(control(field));
        if (edit)
            edit->setText(QStringLiteral("12"));
        focusOn(field);
        Dialogs::takeShown();
        if (!asked.isEmpty())
            Dialogs::answerNext(false);
        f->key(Qt::Key(key));
        QTRY_COMPARE(MainWindowFixture::focusedName(), focus);
        // The question's first line: the warnings under it follow the text typed into the field.
        QStringList questions;
        for (const QString& text : MainWindowFixture::shownTexts())
            questions << text.section(u'\n', 0, 0);
        QCOMPARE(questions, asked.isEmpty() ? QStringList{} : QStringList{asked});
        QCOMPARE(Dialogs::pendingAnswers(), 0);
        QVERIFY(f->window()->isVisible());
        if (edit)
            QCOMPARE(edit->text(), QStringLiteral("12"));
        QCOMPARE(ui(f->window()).DateTimePicker_1->date(), today);
    }

    void enterInCountKeepsFocus()
    {
        f->chooseSlipType(4);
        focusOn(QStringLiteral("KeNumEdit_KOSUU"));
        f->key(Qt::Key_2);
        f->key(Qt::Key_Return);
        QCOMPARE(MainWindowFixture::focusedName(), QStringLiteral("KeNumEdit_KOSUU"));
        QCOMPARE(ui(f->window()).KeNumEdit_KOSUU->text(), QStringLiteral("2"));
    }

    void enterOnRegisterButtonPressesIt()
    {
        focusOn(QStringLiteral("BitBtn_My"));
        Dialogs::answerNext(false);
        f->key(Qt::Key_Return);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{QStringLiteral("ご依頼主を登録しますか?")});
        QTRY_COMPARE(MainWindowFixture::focusedName(), QStringLiteral("Edit_MyZip"));
    }

    void enterLeavesNoCharacterBehind()
    {
        focusOn(QStringLiteral("Edit_Add1"));
        MainWindowFixture::commitText(ui(f->window()).Edit_Add1, QStringLiteral("東京都"));
        f->key(Qt::Key_Return);
        QCOMPARE(ui(f->window()).Edit_Add1->text(), QStringLiteral("東京都"));
    }

    void quitAcceptedClosesAndSaves()
    {
        Dialogs::answerNext(true);
        ui(f->window()).SpeedButton_F2->click();
        QTRY_VERIFY(!f->window()->isVisible());
        QVERIFY(f->readFile(QStringLiteral("rova_Yamato.ini")).contains("[rv_YAMATOprn]"));
    }

    // Keys as the desktop gives them, with the text each one types.
    void deliveryDateTakesDigitsOnly_data()
    {
        QTest::addColumn<QList<TypedKey>>("keys");
        QTest::addColumn<QString>("expected");
        const TypedKey one{Qt::Key_1, "1"}, two{Qt::Key_2, "2"}, three{Qt::Key_3, "3"};
        const TypedKey left{Qt::Key_Left, ""}, home{Qt::Key_Home, ""}, del{Qt::Key_Delete, "\x7f"};
        QTest::newRow("letters do not appear")
            << QList<TypedKey>{{Qt::Key_A, "a"}, one, {Qt::Key_B, "b"}} << "1";
        QTest::newRow("at most two digits fit") << QList<TypedKey>{one, two, three} << "12";
        QTest::newRow("Backspace takes a digit off")
            << QList<TypedKey>{one, two, {Qt::Key_Backspace, "\b"}} << "1";
        QTest::newRow("a blank does not appear")
            << QList<TypedKey>{{Qt::Key_Space, " "}, {Qt::Key_5, "5"}} << "5";
        QTest::newRow("a full-width digit does not appear") << QList<TypedKey>{{Qt::Key_1, "１"}, two} << "2";
        QTest::newRow("Delete takes the digit after the caret")
            << QList<TypedKey>{one, two, left, del} << "1";
        QTest::newRow("Home and Delete take the first digit") << QList<TypedKey>{one, two, home, del} << "2";
        QTest::newRow("a digit goes in where the caret was moved") << QList<TypedKey>{one, left, two} << "21";
        QTest::newRow("the paste shortcut does nothing")
            << QList<TypedKey>{{Qt::Key_V, "\x16", Qt::ControlModifier},
                               {Qt::Key_V, "v", Qt::ControlModifier}}
            << "";
    }
    void deliveryDateTakesDigitsOnly()
    {
        QFETCH(QList<TypedKey>, keys);
        QFETCH(QString, expected);
        QApplication::clipboard()->setText(QStringLiteral("34"));
        focusOn(QStringLiteral("Edit_de_date1"));
        for (const TypedKey& k : keys)
            f->key(k.key, QString::fromUtf8(k.text), k.modifiers);
        QCOMPARE(ui(f->window()).Edit_de_date1->text(), expected);
    }

    // An input method would commit full-width digits or kana past the key rule, so it is kept out.
    void deliveryDateTakesNoInputMethod_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("committed");
        QTest::newRow("full-width digits into the month") << "Edit_de_date1"
                                                          << "１２";
        QTest::newRow("kana into the day") << "Edit_de_date2"
                                           << "じゅう";
    }
    void deliveryDateTakesNoInputMethod()
    {
        QFETCH(QString, box);
        QFETCH(QString, committed);
        focusOn(box);
        QWidget* field = control(box);
        QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
        QApplication::sendEvent(field, &query);
        QCOMPARE(query.value(Qt::ImEnabled).toBool(), false);
        QVERIFY(Qt::InputMethodHints(query.value(Qt::ImHints).toInt()).testFlag(Qt::ImhDigitsOnly));
        QVERIFY(!field->testAttribute(Qt::WA_InputMethodEnabled));
        MainWindowFixture::commitText(field, committed);
        QCOMPARE(qobject_cast<QLineEdit*>(field)->text(), QString());
    }

    void countTakesNoSign()
    {
        f->chooseSlipType(4);
        focusOn(QStringLiteral("KeNumEdit_KOSUU"));
        for (Qt::Key k : {Qt::Key_Minus, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4})
            f->key(k);
        QCOMPARE(ui(f->window()).KeNumEdit_KOSUU->text(), QStringLiteral("123"));
    }

    void prompt_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("address 1") << "Edit_Zip"
                                   << "Edit_Add1"
                                   << "お届け先のおところ①を入力して下さい";
        QTest::newRow("address 2") << "Edit_Add1"
                                   << "Edit_Add2"
                                   << "お届け先のおところ②を入力して下さい";
        QTest::newRow("address 3 shares address 2's prompt") << "Edit_Add2"
                                                             << "Edit_Add3"
                                                             << "お届け先のおところ②を入力して下さい";
        QTest::newRow("name") << "Edit_Add3"
                              << "Edit_Custo1"
                              << "お届け先のおなまえを入力して下さい";
        QTest::newRow("telephone") << "Edit_Custo1"
                                   << "Edit_tel"
                                   << "お届け先のでんわを入力して下さい";
        QTest::newRow("item 3") << "Edit_G2"
                                << "Edit_G3"
                                << "品名を入力して下さい";
        QTest::newRow("sender postal code") << "CheckBox_My"
                                            << "Edit_MyZip"
                                            << "ご依頼主の郵便番号を入力して下さい";
        QTest::newRow("sender address 2") << "Edit_MyADD1"
                                          << "Edit_MyADD2"
                                          << "ご依頼主のおところ②を入力して下さい";
        QTest::newRow("sender name") << "Edit_MyADD2"
                                     << "Edit_My"
                                     << "ご依頼主のおなまえを入力して下さい";
        QTest::newRow("sender telephone") << "Edit_My"
                                          << "Edit_MyTEL"
                                          << "ご依頼主のでんわを入力して下さい";
    }
    void prompt()
    {
        QFETCH(QString, from);
        QFETCH(QString, field);
        QFETCH(QString, prompt);
        auto* edit = f->window()->findChild<QLineEdit*>(field);
        QVERIFY2(edit, qPrintable(field));
        edit->setText(QStringLiteral("1234"));
        focusOn(from);
        // Tab puts the focus there the way the walk does, which by itself would select the text.
        f->key(Qt::Key_Tab);
        QTRY_COMPARE(MainWindowFixture::focusedName(), field);
        QCOMPARE(ui(f->window()).Panel_HelpMess->text(), prompt);
        QCOMPARE(edit->cursorPosition(), 4);
        QVERIFY(!edit->hasSelectedText());
    }

    void paneShowsItsPromptWithoutMovingTheCaret()
    {
        ui(f->window()).Memo1->setPlainText(QStringLiteral("abc\ndef"));
        f->focus(ui(f->window()).Memo1);
        QTRY_COMPARE(ui(f->window()).Panel_HelpMess->text(),
                     QStringLiteral("テキストを貼り付けることができます　７行以内に収めてください"));
    }

    void promptStaysWhenEnteringFieldWithoutOne()
    {
        focusOn(QStringLiteral("Edit_Custo1"));
        focusOn(QStringLiteral("CheckBox_My"));
        QCOMPARE(ui(f->window()).Panel_HelpMess->text(),
                 QStringLiteral("お届け先のおなまえを入力して下さい"));
    }
};

QTEST_MAIN(TestMainWindowKeys)
#include "test_mainwindow_keys.moc"
