// SPDX-License-Identifier: GPL-3.0-or-later
// Field rules of the slip entry window: address warning, half-width postal code and telephone,
// the clear command, the time boxes and what the slip type switches.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;

namespace
{
const QString kWarning = QStringLiteral("警告:おところ①の文字数が多すぎます。　おところ②へ分割してください");
}

class TestMainWindowFields : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    MainWindow* w() const { return f->window(); }

    void typeInto(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        MainWindowFixture::commitText(edit, text);
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void addressWarning_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("warned");
        QTest::newRow("20 full-width characters are 40 bytes: no warning")
            << QString(20, QChar(0x6771)) << false;
        QTest::newRow("21 full-width characters are 42 bytes: warning") << QString(21, QChar(0x6771)) << true;
        QTest::newRow("40 ASCII characters: no warning") << QString(40, QLatin1Char('a')) << false;
        QTest::newRow("41 ASCII characters: warning") << QString(41, QLatin1Char('a')) << true;
        QTest::newRow("20 full-width and one ASCII make 41 bytes: warning")
            << QString(20, QChar(0x6771)) + QLatin1Char('1') << true;
        QTest::newRow("41 half-width katakana are 41 bytes: warning") << QString(41, QChar(0xFF71)) << true;
    }
    void addressWarning()
    {
        QFETCH(QString, address);
        QFETCH(bool, warned);
        typeInto(ui(w()).Edit_Add1, address);
        QCOMPARE(ui(w()).Label_Warning->text(), QString()); // not while typing
        f->key(Qt::Key_Return);
        QTRY_VERIFY(ui(w()).Edit_Add2->hasFocus());
        QCOMPARE(ui(w()).Label_Warning->text(), warned ? kWarning : QString());
    }

    void warningOnlyWhenEnteringAnAddressField()
    {
        typeInto(ui(w()).Edit_Add1, QString(21, QChar(0x6771)));
        f->key(Qt::Key_Up);
        QTRY_VERIFY(ui(w()).Edit_Zip->hasFocus());
        QCOMPARE(ui(w()).Label_Warning->text(), QString());
        ui(w()).Edit_Add3->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(ui(w()).Label_Warning->text(), kWarning);
    }

    void halfWidth_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const QString tel = QStringLiteral("０３－１２３４－５６７８");
        QTest::newRow("telephone typed in full-width digits and hyphens")
            << "Edit_tel" << false << tel << "03-1234-5678";
        QTest::newRow("telephone pasted in full-width digits and hyphens")
            << "Edit_tel" << true << tel << "03-1234-5678";
        QTest::newRow("postal code typed in full-width") << "Edit_Zip" << false << "１２３－４５６７"
                                                         << "123-4567";
        QTest::newRow("postal code pasted with an ideographic space")
            << "Edit_Zip" << true << "〒１２３　４５６７"
            << "〒123 4567";
        QTest::newRow("half-width text stays as it is") << "Edit_tel" << false << "03-1111-2222"
                                                        << "03-1111-2222";
    }
    void halfWidth()
    {
        QFETCH(QString, field);
        QFETCH(bool, pasted);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        auto* edit = w()->findChild<QLineEdit*>(field);
        edit->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        if (pasted) {
            QApplication::clipboard()->setText(input);
            f->key(Qt::Key_V, Qt::ControlModifier);
        } else {
            MainWindowFixture::commitText(edit, input);
        }
        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->cursorPosition(), int(expected.size())); // typing goes on at the end
    }

    void halfWidthKeepsCaretInsideText()
    {
        ui(w()).Edit_tel->setText(QStringLiteral("03-"));
        ui(w()).Edit_tel->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(ui(w()).Edit_tel->hasFocus());
        ui(w()).Edit_tel->setCursorPosition(1);
        MainWindowFixture::commitText(ui(w()).Edit_tel, QStringLiteral("３"));
        QCOMPARE(ui(w()).Edit_tel->text(), QStringLiteral("033-"));
        QCOMPARE(ui(w()).Edit_tel->cursorPosition(), 2);
    }

    // A limit holds what the operator types, pastes or commits, not what is put in from a file or a
    // transfer: a longer text stays whole, can be shortened, and grows no further.
    void textLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("way"); // "key", "paste" or "commit"
        const QList<std::pair<const char*, int>> limits{
            {"Edit_Zip", 16}, {"Edit_Custo1", 80},  {"Edit_MyZip", 8},
            {"Edit_My", 80},  {"Edit_G1", 30},      {"Edit_G2", 30},
            {"Edit_G3", 30},  {"Edit_de_date1", 2}, {"Edit_de_date2", 2},
        };
        for (const auto& [field, limit] : limits) {
            // The delivery-date boxes take typed digits only.
            const bool typedOnly = QByteArray(field).startsWith("Edit_de_date");
            for (const char* way : {"key", "paste", "commit"}) {
                if (!typedOnly || QByteArray(way) == "key")
                    QTest::addRow("%s, limit %d, by %s", field, limit, way) << field << limit << way;
            }
        }
    }
    void textLimits()
    {
        QFETCH(QString, field);
        QFETCH(int, limit);
        QFETCH(QString, way);
        auto* edit = w()->findChild<QLineEdit*>(field);
        const QString loaded(limit + 1, QLatin1Char('1'));
        const QString atLimit(limit, QLatin1Char('1'));
        edit->setText(loaded);
        QCOMPARE(edit->text(), loaded);
        edit->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        edit->end(false);
        const auto input = [&] {
            if (way == QLatin1String("key")) {
                f->key(Qt::Key_2);
            } else if (way == QLatin1String("paste")) {
                QApplication::clipboard()->setText(QStringLiteral("2"));
                f->key(Qt::Key_V, Qt::ControlModifier);
            } else {
                MainWindowFixture::commitText(edit, QStringLiteral("2"));
            }
        };
        input();
        QCOMPARE(edit->text(), loaded);
        f->key(Qt::Key_Backspace);
        QCOMPARE(edit->text(), atLimit);
        input();
        QCOMPARE(edit->text(), atLimit);
        f->key(Qt::Key_Backspace);
        input();
        QCOMPARE(edit->text(), atLimit.left(limit - 1) + QLatin1Char('2'));
    }

    void clear_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes empties the destination but keeps address 3 and the items") << true;
        QTest::newRow("No changes nothing") << false;
    }
    void clear()
    {
        QFETCH(bool, yes);
        ui(w()).Edit_Zip->setText(QStringLiteral("123-4567"));
        ui(w()).Edit_Add1->setText(QString(21, QChar(0x6771)));
        ui(w()).Edit_Add2->setText(QStringLiteral("二丁目"));
        ui(w()).Edit_Add3->setText(QStringLiteral("三号室"));
        ui(w()).Edit_Custo1->setText(QStringLiteral("山田"));
        ui(w()).Edit_tel->setText(QStringLiteral("03-1234-5678"));
        ui(w()).Edit_G1->setText(QStringLiteral("りんご"));
        ui(w()).Edit_Add2->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(ui(w()).Label_Warning->text(), kWarning);

        Dialogs::answerNext(yes);
        QTest::mouseClick(ui(w()).BitBtn_CLS, Qt::LeftButton);
        const auto shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("お届け先をクリアますか?"));
        for (QLineEdit* cleared :
             {ui(w()).Edit_Zip, ui(w()).Edit_Add1, ui(w()).Edit_Add2, ui(w()).Edit_Custo1, ui(w()).Edit_tel})
            QCOMPARE(cleared->text().isEmpty(), yes);
        QCOMPARE(ui(w()).Label_Warning->text().isEmpty(), yes);
        QCOMPARE(ui(w()).Edit_Add3->text(), QStringLiteral("三号室"));
        QCOMPARE(ui(w()).Edit_G1->text(), QStringLiteral("りんご"));
        QVERIFY(ui(w()).Edit_Add2->hasFocus());
    }

    void timeBoxesExclude_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("ticked");
        QTest::newRow("12-14 after morning leaves only 12-14")
            << 0 << QStringList{"CheckBox_t1", "CheckBox_t2"} << QStringList{"CheckBox_t2"};
        QTest::newRow("unticking one changes nothing else")
            << 0 << QStringList{"CheckBox_t3", "CheckBox_t3"} << QStringList{};
        QTest::newRow("promised 5 pm after 10 am leaves only 5 pm")
            << 2 << QStringList{"CheckBox_t21", "CheckBox_t22"} << QStringList{"CheckBox_t22"};
        QTest::newRow("promised 10 am after 5 pm leaves only 10 am")
            << 2 << QStringList{"CheckBox_t22", "CheckBox_t21"} << QStringList{"CheckBox_t21"};
    }
    void timeBoxesExclude()
    {
        QFETCH(int, slipType);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, ticked);
        f->chooseSlipType(slipType);
        for (const QString& name : clicks)
            QTest::mouseClick(w()->findChild<QCheckBox*>(name), Qt::LeftButton, {}, QPoint(4, 7));
        QStringList now;
        for (QCheckBox* box : ui(w()).Panel4->findChildren<QCheckBox*>(QRegularExpression("^CheckBox_t")))
            if (box->isChecked())
                now << box->objectName();
        QCOMPARE(now, ticked);
    }

    void slipTypeChangeUnticksAll_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("to the other feed of the same kind") << 0 << 1;
        QTest::newRow("to another kind") << 0 << 4;
        QTest::newRow("from time service to delivery date") << 2 << 5;
    }
    void slipTypeChangeUnticksAll()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        f->chooseSlipType(from);
        ui(w()).CheckBox_t2->setChecked(true);
        ui(w()).CheckBox_t22->setChecked(true);
        f->chooseSlipType(to);
        for (QCheckBox* box : ui(w()).Panel4->findChildren<QCheckBox*>(QRegularExpression("^CheckBox_t")))
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }

    void formKind_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hoursShown");
        QTest::addColumn<bool>("promisedShown");
        QTest::addColumn<bool>("countShown");
        QTest::newRow("発払　着払(連続)") << 1 << "ご希望お届け日" << true << false << false;
        QTest::newRow("タイムサービス(手差し)") << 2 << "配達ご指定日" << false << true << false;
        QTest::newRow("タイムサービス(連続)") << 3 << "配達ご指定日" << false << true << false;
        QTest::newRow("配達指定日(手差し)") << 4 << "　配達指定日" << true << false << true;
        QTest::newRow("配達指定日(連続)") << 5 << "　配達指定日" << true << false << true;
    }
    void formKind()
    {
        QFETCH(int, slipType);
        QFETCH(QString, caption);
        QFETCH(bool, hoursShown);
        QFETCH(bool, promisedShown);
        QFETCH(bool, countShown);
        f->chooseSlipType(slipType);
        QCOMPARE(ui(w()).Label_de_date->text(), caption);
        QCOMPARE(ui(w()).GroupBox_Time->isVisible(), hoursShown);
        QCOMPARE(ui(w()).GroupBox_Time2->isVisible(), promisedShown);
        QCOMPARE(ui(w()).KeNumEdit_KOSUU->isVisible(), countShown);
        QCOMPARE(ui(w()).Label_KOSUU->isVisible(), countShown);
        QGroupBox* shown = hoursShown ? ui(w()).GroupBox_Time : ui(w()).GroupBox_Time2;
        QCOMPARE(shown->pos(), QPoint(600, 1));
    }

    void deliveryDateKindEmptiesTheCount()
    {
        QCOMPARE(ui(w()).KeNumEdit_KOSUU->text(), QStringLiteral("1"));
        f->chooseSlipType(2);
        QCOMPARE(ui(w()).KeNumEdit_KOSUU->text(), QStringLiteral("1"));
        f->chooseSlipType(4);
        QCOMPARE(ui(w()).KeNumEdit_KOSUU->text(), QString());
    }
};

QTEST_MAIN(TestMainWindowFields)
#include "test_mainwindow_fields.moc"
