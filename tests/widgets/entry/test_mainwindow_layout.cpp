// SPDX-License-Identifier: GPL-3.0-or-later
// What the operator sees of the slip entry window: a small screen, captions, tab order, the
// function-key bar and the input-method hints.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>

using rova::Dialogs;

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    MainWindow* w() const { return f->window(); }
    QWidget* control(const QString& name) const
    {
        auto* c = w()->findChild<QWidget*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    // A window smaller than the form (a small screen) scrolls the form so the control with the focus
    // is in view, from the first band to the last.
    void smallWindowShowsTheFocusedControl_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Edit_G3", "Edit_Zip", "Edit_MyTEL", "Memo1", "KeNumEdit_KOSUU"})
            QTest::newRow(name) << name;
    }
    void smallWindowShowsTheFocusedControl()
    {
        QFETCH(QString, name);
        if (name == QLatin1String("KeNumEdit_KOSUU"))
            f->chooseSlipType(4); // the only form kind that shows the count
        w()->resize(660, 300);
        auto* control = w()->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        control->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY2(w()->rect().contains(QRect(control->mapTo(w(), QPoint()), control->size())),
                     qPrintable(name));
    }

    void paneCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("beside the transfer button") << "Label1"
                                                    << "テキスト転送";
        QTest::newRow("under the pane")
            << "Label8"
            << "↑↑ここクリップボードから貼り付けが、可能です　(　15行以内に収めてください　)↑↑";
        QTest::newRow("beside the clear button") << "Label12"
                                                 << "Memoｸﾘｱ";
    }
    void paneCaptions()
    {
        QFETCH(QString, name);
        const auto* label = qobject_cast<QLabel*>(control(name));
        QVERIFY2(label, qPrintable(name));
        QTEST(label->text(), "caption");
    }

    void slipTypes()
    {
        QStringList items;
        for (int i = 0; i < ui(w()).ComboBox_SEL->count(); ++i)
            items << ui(w()).ComboBox_SEL->itemText(i);
        QCOMPARE(items, (QStringList{"発払　着払(手差し)", "発払　着払(連続)", "タイムサービス(手差し)",
                                     "タイムサービス(連続)", "配達指定日(手差し)", "配達指定日(連続)"}));
    }

    void functionKeyBar_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("F1") << 1 << "F1" << false;
        QTest::newRow("F2 quits") << 2 << "中止" << true;
        QTest::newRow("F5 pastes and transfers") << 5 << "貼付転送" << true;
        QTest::newRow("F6") << 6 << "F6" << false;
        QTest::newRow("F10 opens the batch window") << 10 << "一括" << true;
        QTest::newRow("F11 prints") << 11 << "印刷" << true;
        QTest::newRow("F12") << 12 << "F12" << false;
    }
    void functionKeyBar()
    {
        QFETCH(int, key);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        auto* button = w()->findChild<QPushButton*>(QStringLiteral("SpeedButton_F%1").arg(key));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }

    void statusBarHoldsTwoBlanks() { QCOMPARE(ui(w()).StatusBar1->currentMessage(), QStringLiteral("  ")); }

    void tabOrder_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<QStringList>("stops");
        const QStringList head{"Edit_Zip",      "Edit_Add1",     "Edit_Add2",       "Edit_Add3",
                               "Edit_Custo1",   "Edit_tel",      "PageControl_My",  "CheckBox_My",
                               "Edit_MyZip",    "Edit_MyADD1",   "Edit_MyADD2",     "Edit_My",
                               "Edit_MyTEL",    "BitBtn_My",     "CheckBox_Date_1", "DateTimePicker_1",
                               "Edit_de_date1", "Edit_de_date2", "Edit_G1",         "Edit_G2",
                               "Edit_G3"};
        const QStringList hours{"CheckBox_t1", "CheckBox_t2", "CheckBox_t3",
                                "CheckBox_t4", "CheckBox_t5", "CheckBox_t6"};
        // The paste pane and its two buttons last: the keyboard reaches them without the mouse.
        const QStringList tail{"ComboBox_SEL", "Memo1", "BitBtn_1", "BitBtn_MemoCLS"};
        QTest::newRow("hand-out slips: the six time slots") << 0 << head + hours + tail;
        QTest::newRow("time service: the two promised times")
            << 2 << head + QStringList{"CheckBox_t21", "CheckBox_t22"} + tail;
        QTest::newRow("delivery date: the count, then the time slots")
            << 4 << head + QStringList{"KeNumEdit_KOSUU"} + hours + tail;
    }
    void tabOrder()
    {
        QFETCH(int, slipType);
        QFETCH(QStringList, stops);
        if (ui(w()).BitBtn_SendMail)
            stops << QStringLiteral("BitBtn_SendMail");
        f->chooseSlipType(slipType);
        ui(w()).Edit_Zip->setFocus();
        QTRY_VERIFY(ui(w()).Edit_Zip->hasFocus());
        QStringList walked{MainWindowFixture::focusedName()};
        for (qsizetype i = 0; i < stops.size(); ++i) {
            f->key(Qt::Key_Tab);
            walked << MainWindowFixture::focusedName();
        }
        QCOMPARE(walked, stops + QStringList{"Edit_Zip"});
    }

    void inputMethodHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("latinOnly");
        for (const char* off : {"Edit_Zip", "Edit_tel", "Edit_MyZip", "Edit_MyTEL", "Edit_de_date1",
                                "Edit_de_date2", "DateTimePicker_1", "KeNumEdit_KOSUU"})
            QTest::newRow(off) << off << true;
        for (const char* on :
             {"Edit_Add1", "Edit_Add2", "Edit_Add3", "Edit_Custo1", "Edit_My", "Edit_MyADD1", "Edit_G1"})
            QTest::newRow(on) << on << false;
    }
    void inputMethodHints()
    {
        QFETCH(QString, name);
        QFETCH(bool, latinOnly);
        QCOMPARE(control(name)->inputMethodHints().testFlag(Qt::ImhLatinOnly), latinOnly);
    }

    void buttonsWithoutAddressAreLeftOut()
    {
        QCOMPARE(ui(w()).BitBtn_WebHelp != nullptr, !QStringLiteral(ROVA_WEB_URL).isEmpty());
        QCOMPARE(ui(w()).BitBtn_SendMail != nullptr, !QStringLiteral(ROVA_SUPPORT_MAIL).isEmpty());
    }

    // What a screen reader reads out for a control, and what UI tools find it by.
    // A control named by its own caption (a check box, a labelled button) is read by that caption.
    static QString accessibleName(QWidget* control)
    {
        if (!control->accessibleName().isEmpty())
            return control->accessibleName();
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessible");
        const std::pair<const char*, const char*> rows[] = {
            {"Edit_Zip", "お届け先 郵便番号"},
            {"Edit_Add1", "おところ①"},
            {"Edit_Add3", "おところ③"},
            {"Edit_Custo1", "おなまえ"},
            {"Edit_tel", "でんわ"},
            {"Edit_MyZip", "ご依頼主 郵便番号"},
            {"Edit_MyADD2", "ご依頼主 おところ②"},
            {"Edit_MyTEL", "ご依頼主 でんわ"},
            {"Edit_G3", "品名3"},
            {"KeNumEdit_KOSUU", "個数"},
            {"Edit_de_date1", "ご希望お届け日 月"},
            {"Edit_de_date2", "ご希望お届け日 日"},
            {"ComboBox_SEL", "用紙選択"},
            {"Memo1", "テキスト転送 貼り付け欄"},
            {"BitBtn_1", "テキスト転送"},
            {"BitBtn_CLS", "お届け先ｸﾘｱ"},
            {"BitBtn_My", "ご依頼主登録"},
            {"CheckBox_My", "ご依頼主"},
            {"CheckBox_t1", "午前中"},
            {"SpeedButton_F11", "印刷"},
        };
        for (const auto& [name, accessible] : rows)
            QTest::newRow(name) << name << accessible;
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessible);
        QCOMPARE(accessibleName(control(name)), accessible);
    }

    // Every field and button the operator can reach has a name of its own.
    void everyControlHasAName()
    {
        QStringList names;
        for (QWidget* c : w()->findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                                  qobject_cast<QPlainTextEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                                  qobject_cast<QAbstractSpinBox*>(c) || qobject_cast<QTabBar*>(c) ||
                                  qobject_cast<NumberEdit*>(c);
            // Parts of other controls (a date box's own edit, a tab row's arrows) are named by them.
            if (!operable || c->objectName().isEmpty() || !c->isVisibleTo(w()) ||
                qobject_cast<QAbstractSpinBox*>(c->parentWidget()))
                continue;
            const QString name = accessibleName(c);
            QVERIFY2(!name.isEmpty(), qPrintable(c->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(c->objectName() + ": " + name));
            names << name;
        }
        QVERIFY(names.size() > 40);
    }

    // The delivery-date boxes are named by the caption the slip type chosen shows.
    void dateNamesFollowTheSlipType_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QString>("month");
        const QList<Qt::Key> down2{Qt::Key_Down, Qt::Key_Down};
        QTest::newRow("time service") << down2 << "配達ご指定日 月";
        QTest::newRow("delivery date") << down2 + down2 << "配達指定日 月";
        QTest::newRow("back to paid")
            << down2 + QList<Qt::Key>{Qt::Key_Up, Qt::Key_Up} << "ご希望お届け日 月";
    }
    void dateNamesFollowTheSlipType()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QString, month);
        control(QStringLiteral("ComboBox_SEL"))->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(MainWindowFixture::focusedName(), QStringLiteral("ComboBox_SEL"));
        for (Qt::Key key : keys)
            f->key(key);
        QCOMPARE(accessibleName(ui(w()).Edit_de_date1), month);
    }

    // A second start asks the running window to come forward.
    void comeForwardRestoresAMinimisedWindow_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("minimised") << false;
        QTest::newRow("minimised while maximised: maximised again") << true;
    }
    void comeForwardRestoresAMinimisedWindow()
    {
        QFETCH(bool, maximised);
        if (maximised)
            w()->showMaximized();
        w()->setWindowState(w()->windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(w()->isMinimized());
        w()->comeForward();
        QTRY_VERIFY(!w()->isMinimized());
        QTRY_VERIFY(w()->isActiveWindow());
        QCOMPARE(w()->isMaximized(), maximised);
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "test_mainwindow_layout.moc"
