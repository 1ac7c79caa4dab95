// Keyboard flow of the slip entry window: Enter, Up, F2, F11 and the typed-character rules.

#include "mainwindowfixture.h"

#include "controls/tkenumedit.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;

class TestMainWindowKeys : public QObject {
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
            << 0
            << QStringList{"Edit_Zip", "Edit_Add1", "Edit_Add2", "Edit_Add3", "Edit_Custo1", "Edit_tel",
                           "Edit_G1",  "Edit_G2",   "Edit_G3",   "CheckBox_t1"};
        QTest::newRow("delivery-date slips go from the item names to the count")
            << 4 << QStringList{"Edit_G1", "Edit_G2", "Edit_G3", "KeNumEdit_KOSUU"};
        QTest::newRow("time-service slips go from the item names to the promised time")
            << 2 << QStringList{"Edit_G2", "Edit_G3", "CheckBox_t21"};
        QTest::newRow("sender band ends on the register button")
            << 0 << QStringList{"Edit_MyZip", "Edit_MyADD1", "Edit_MyADD2", "Edit_My", "Edit_MyTEL", "BitBtn_My"};
        QTest::newRow("slip date, delivery month and day, then the items")
            << 0 << QStringList{"DateTimePicker_1", "Edit_de_date1", "Edit_de_date2", "Edit_G1"};
    }
    void enterWalk()
    {
        QFETCH(int, slipType);
        QFETCH(QStringList, walk);
        f->pickSlipType(slipType);
        focusOn(walk.first());
        for (qsizetype i = 1; i < walk.size(); ++i) {
            f->key(Qt::Key_Return);
            QTRY_COMPARE(MainWindowFixture::focusedName(), walk[i]);
        }
    }

    void keyMovesFocus_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("Enter in the telephone skips the sender band") << "Edit_tel" << int(Qt::Key_Return) << "Edit_G1";
        QTest::newRow("keypad Enter walks like Return") << "Edit_Add1" << int(Qt::Key_Enter) << "Edit_Add2";
        QTest::newRow("Up in the postal code does nothing") << "Edit_Zip" << int(Qt::Key_Up) << "Edit_Zip";
        QTest::newRow("Up in address 1 goes back to the postal code") << "Edit_Add1" << int(Qt::Key_Up) << "Edit_Zip";
        QTest::newRow("Up in the telephone goes back to the name") << "Edit_tel" << int(Qt::Key_Up) << "Edit_Custo1";
        QTest::newRow("Up in item 2 goes back to item 1") << "Edit_G2" << int(Qt::Key_Up) << "Edit_G1";
        QTest::newRow("Up in item 1 goes back to the delivery day") << "Edit_G1" << int(Qt::Key_Up) << "Edit_de_date2";
        QTest::newRow("Up in the sender postal code goes back to its check box")
            << "Edit_MyZip" << int(Qt::Key_Up) << "CheckBox_My";
        QTest::newRow("Up in the slip date goes back instead of changing it")
            << "DateTimePicker_1" << int(Qt::Key_Up) << "CheckBox_Date_1";
        QTest::newRow("F7 changes nothing") << "Edit_Add2" << int(Qt::Key_F7) << "Edit_Add2";
    }
    void keyMovesFocus()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        const QDate today = f->window()->DateTimePicker_1->date();
        focusOn(from);
        f->key(Qt::Key(key));
        QTRY_COMPARE(MainWindowFixture::focusedName(), to);
        QCOMPARE(f->window()->DateTimePicker_1->date(), today);
    }

    void enterInCountKeepsFocus()
    {
        f->pickSlipType(4);
        focusOn(QStringLiteral("KeNumEdit_KOSUU"));
        f->key(Qt::Key_2);
        f->key(Qt::Key_Return);
        QCOMPARE(MainWindowFixture::focusedName(), QStringLiteral("KeNumEdit_KOSUU"));
        QCOMPARE(f->window()->KeNumEdit_KOSUU->text(), QStringLiteral("2"));
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
        MainWindowFixture::commitText(f->window()->Edit_Add1, QStringLiteral("東京都"));
        f->key(Qt::Key_Return);
        QCOMPARE(f->window()->Edit_Add1->text(), QStringLiteral("東京都"));
    }

    void quitDeclinedFocusesPostalCode_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("F2 in item 1") << "Edit_G1";
        QTest::newRow("F2 in the count") << "KeNumEdit_KOSUU";
        QTest::newRow("F2 in the sender name") << "Edit_My";
    }
    void quitDeclinedFocusesPostalCode()
    {
        QFETCH(QString, from);
        if (from == QLatin1String("KeNumEdit_KOSUU"))
            f->pickSlipType(4);
        focusOn(from);
        Dialogs::answerNext(false);
        f->key(Qt::Key_F2);
        QTRY_COMPARE(MainWindowFixture::focusedName(), QStringLiteral("Edit_Zip"));
        const auto shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("終了しますか?"));
        QVERIFY(f->window()->isVisible());
    }

    void quitAcceptedClosesAndSaves()
    {
        Dialogs::answerNext(true);
        f->window()->SpeedButton_F2->click();
        QTRY_VERIFY(!f->window()->isVisible());
        QVERIFY(f->readFile(QStringLiteral("rova_Yamato.ini")).contains("[rv_YAMATOprn]"));
    }

    void printDeclinedFocusesFirstItem_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("F11 in the postal code") << "Edit_Zip";
        QTest::newRow("F11 in the telephone") << "Edit_tel";
        QTest::newRow("F11 in the delivery month") << "Edit_de_date1";
        QTest::newRow("F11 in the sender telephone") << "Edit_MyTEL";
    }
    void printDeclinedFocusesFirstItem()
    {
        QFETCH(QString, from);
        focusOn(from);
        Dialogs::answerNext(false);
        f->key(Qt::Key_F11);
        QTRY_COMPARE(MainWindowFixture::focusedName(), QStringLiteral("Edit_G1"));
        const auto shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("印刷しますか?"));
    }

    void deliveryDateTakesDigitsOnly_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters do not appear") << QList<int>{Qt::Key_A, Qt::Key_1, Qt::Key_B} << "1";
        QTest::newRow("at most two digits fit") << QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_3} << "12";
        QTest::newRow("Backspace takes a digit off") << QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_Backspace} << "1";
        QTest::newRow("a blank does not appear") << QList<int>{Qt::Key_Space, Qt::Key_5} << "5";
    }
    void deliveryDateTakesDigitsOnly()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, expected);
        focusOn(QStringLiteral("Edit_de_date1"));
        for (int k : keys)
            f->key(Qt::Key(k));
        QCOMPARE(f->window()->Edit_de_date1->text(), expected);
    }

    void pasteShortcutDoesNothingInDeliveryDate()
    {
        QApplication::clipboard()->setText(QStringLiteral("34"));
        focusOn(QStringLiteral("Edit_de_date2"));
        f->key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->window()->Edit_de_date2->text(), QString());
    }

    void countTakesNoSign()
    {
        f->pickSlipType(4);
        focusOn(QStringLiteral("KeNumEdit_KOSUU"));
        for (Qt::Key k : {Qt::Key_Minus, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4})
            f->key(k);
        QCOMPARE(f->window()->KeNumEdit_KOSUU->text(), QStringLiteral("123"));
    }

    void prompt_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("address 1") << "Edit_Zip" << "Edit_Add1" << "お届け先のおところ①を入力して下さい";
        QTest::newRow("address 2") << "Edit_Add1" << "Edit_Add2" << "お届け先のおところ②を入力して下さい";
        QTest::newRow("address 3 shares address 2's prompt") << "Edit_Add2" << "Edit_Add3"
                                                              << "お届け先のおところ②を入力して下さい";
        QTest::newRow("name") << "Edit_Add3" << "Edit_Custo1" << "お届け先のおなまえを入力して下さい";
        QTest::newRow("telephone") << "Edit_Custo1" << "Edit_tel" << "お届け先のでんわを入力して下さい";
        QTest::newRow("item 3") << "Edit_G2" << "Edit_G3" << "品名を入力して下さい";
        QTest::newRow("sender postal code") << "CheckBox_My" << "Edit_MyZip" << "ご依頼主の郵便番号を入力して下さい";
        QTest::newRow("sender address 2") << "Edit_MyADD1" << "Edit_MyADD2" << "ご依頼主のおところ②を入力して下さい";
        QTest::newRow("sender name") << "Edit_MyADD2" << "Edit_My" << "ご依頼主のおなまえを入力して下さい";
        QTest::newRow("sender telephone") << "Edit_My" << "Edit_MyTEL" << "ご依頼主のでんわを入力して下さい";
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
        QCOMPARE(f->window()->Panel_HelpMess->text(), prompt);
        QCOMPARE(edit->cursorPosition(), 4);
        QVERIFY(!edit->hasSelectedText());
    }

    void paneShowsItsPromptWithoutMovingTheCaret()
    {
        f->window()->Memo1->setPlainText(QStringLiteral("abc\ndef"));
        f->focus(f->window()->Memo1);
        QTRY_COMPARE(f->window()->Panel_HelpMess->text(),
                     QStringLiteral("テキストを貼り付けることができます　７行以内に収めてください"));
    }

    void promptStaysWhenEnteringFieldWithoutOne()
    {
        focusOn(QStringLiteral("Edit_Custo1"));
        focusOn(QStringLiteral("CheckBox_My"));
        QCOMPARE(f->window()->Panel_HelpMess->text(), QStringLiteral("お届け先のおなまえを入力して下さい"));
    }
};

QTEST_MAIN(TestMainWindowKeys)
#include "test_mainwindow_keys.moc"
