// SPDX-License-Identifier: GPL-3.0-or-later
// The postal dictionary at the window, as the operator meets it: a code and Enter or Tab fills the
// address, F4 finds the code of an address, and a code that does not fit its address is flagged.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/testpostal.h"

#include "rules/postal/loader.h"
#include "rules/transfer/transfer.h"
#include "widgets/entry/postalassist.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;

namespace
{
// Answers the next list with the keys an operator presses in it: Down `downs` times, then Enter,
// or Escape when `downs` is negative. Records the lines the list offered.
void answerList(int downs, QStringList* offered = nullptr)
{
    Dialogs::answerNextDialog([downs, offered](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ListBox_Choice"));
        if (!list)
            qFatal("ListBox_Choice missing");
        for (int i = 0; offered && i < list->count(); ++i)
            *offered << list->item(i)->text();
        if (downs < 0) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return dialog.result();
        }
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        return dialog.result();
    });
}
} // namespace

class TestPostalWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    rova::postal::Loaded m_loaded;
    MainWindow* w() const { return f->window(); }

    QLineEdit* field(const QString& name) const { return testsupport::control<QLineEdit>(w(), name); }
    // Clicks into the field and commits the text as an input method does.
    void type(const QString& name, const QString& text) const
    {
        f->focus(field(name));
        QTRY_VERIFY(field(name)->hasFocus());
        MainWindowFixture::commitText(field(name), text);
    }
    QString help() const { return ui(w()).Panel_HelpMess->text(); }
    bool helpIsRed() const
    {
        return ui(w()).Panel_HelpMess->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }

private slots:
    void initTestCase()
    {
        MainWindowFixture::installFakePrinter();
        m_loaded = testsupport::loadTestPostal();
        QVERIFY2(m_loaded.index, qPrintable(m_loaded.status));
    }
    void init()
    {
        f = MainWindowFixture::started();
        f->forms().postal->use(m_loaded);
        Dialogs::takeShown();
    }
    void cleanup() { f.reset(); }

    void codeFillsTheAddress_data()
    {
        QTest::addColumn<QString>("zipField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("addressField");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("shown"); // the code field once left
        QTest::newRow("seven digits and Enter") << "Edit_Zip"
                                                << "1050011" << int(Qt::Key_Return) << "Edit_Add1"
                                                << "東京都港区芝公園"
                                                << "105-0011";
        QTest::newRow("hyphen and Tab") << "Edit_Zip"
                                        << "105-0011" << int(Qt::Key_Tab) << "Edit_Add1"
                                        << "東京都港区芝公園"
                                        << "105-0011";
        QTest::newRow("full width from the input method, keypad Enter")
            << "Edit_Zip"
            << "１００－０００４" << int(Qt::Key_Enter) << "Edit_Add1"
            << "東京都千代田区大手町"
            << "100-0004";
        QTest::newRow("postal mark and blanks before seven digits")
            << "Edit_Zip"
            << "〒 1050011" << int(Qt::Key_Tab) << "Edit_Add1"
            << "東京都港区芝公園"
            << "105-0011";
        QTest::newRow("sender's code") << "Edit_MyZip"
                                       << "1830022" << int(Qt::Key_Return) << "Edit_MyADD1"
                                       << "東京都府中市宮西町"
                                       << "183-0022";
        QTest::newRow("sender's full-width code") << "Edit_MyZip"
                                                  << "１８３００２２" << int(Qt::Key_Tab) << "Edit_MyADD1"
                                                  << "東京都府中市宮西町"
                                                  << "183-0022";
        QTest::newRow("code not in the list fills nothing") << "Edit_Zip"
                                                            << "9999999" << int(Qt::Key_Return) << "Edit_Add1"
                                                            << ""
                                                            << "999-9999";
        QTest::newRow("six digits fill nothing and stay as typed")
            << "Edit_Zip"
            << "105001" << int(Qt::Key_Tab) << "Edit_Add1"
            << ""
            << "105001";
    }
    void codeFillsTheAddress()
    {
        QFETCH(QString, zipField);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, addressField);
        QFETCH(QString, address);
        QFETCH(QString, shown);

        type(zipField, typed);
        f->key(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QTRY_VERIFY(field(addressField)->hasFocus());
        QCOMPARE(field(zipField)->text(), shown);
        QCOMPARE(field(addressField)->text(), address);
        // The operator types the block number next, after what was filled.
        QCOMPARE(field(addressField)->cursorPosition(), int(address.size()));
        QVERIFY(!field(addressField)->hasSelectedText());
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList());
    }

    void addressIsFilledOnlyWhenTheOperatorMovesOnFromAnEmptyAddress()
    {
        type(QStringLiteral("Edit_Zip"), QStringLiteral("1050011"));
        f->focus(ui(w()).Edit_tel); // a click elsewhere is no moving on
        QTRY_VERIFY(ui(w()).Edit_tel->hasFocus());
        QCOMPARE(ui(w()).Edit_Add1->text(), QString());
        QCOMPARE(ui(w()).Edit_Zip->text(), QStringLiteral("105-0011")); // but the field was left

        ui(w()).Edit_Add1->setText(QStringLiteral("東京都港区芝公園４丁目"));
        f->focus(ui(w()).Edit_Zip);
        QTRY_VERIFY(ui(w()).Edit_Zip->hasFocus());
        f->key(Qt::Key_Return);
        QTRY_VERIFY(ui(w()).Edit_Add1->hasFocus());
        QCOMPARE(ui(w()).Edit_Add1->text(), QStringLiteral("東京都港区芝公園４丁目"));
    }

    // After the look-up, address ① holds the town; a whole address that comes in at once takes its
    // place, the rest of the address typed or committed follows it.
    void wholeAddressReplacesTheFilledTown_data()
    {
        QTest::addColumn<int>("editKey"); // a key the operator typed into address ① first, or 0
        QTest::addColumn<QString>("how"); // "paste", "commit" or "keys"
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("add1");
        const QString town = QStringLiteral("東京都港区芝公園");
        const QString whole = QStringLiteral("東京都港区芝公園4-2-8");
        QTest::newRow("pasted whole address") << 0 << "paste" << whole << whole;
        QTest::newRow("committed whole address") << 0 << "commit"
                                                 << "東京都港区芝公園４－２－８"
                                                 << "東京都港区芝公園４－２－８";
        QTest::newRow("pasted address of another prefecture, blank first") << 0 << "paste"
                                                                           << "　大阪府大阪市北区梅田1-1"
                                                                           << "　大阪府大阪市北区梅田1-1";
        QTest::newRow("committed rest of the address follows") << 0 << "commit"
                                                               << "４－２－８" << town + "４－２－８";
        QTest::newRow("pasted rest of the address follows") << 0 << "paste"
                                                            << "4-2-8 芝ビル" << town + "4-2-8 芝ビル";
        QTest::newRow("typed key by key follows") << 0 << "keys"
                                                  << "4-2-8" << town + "4-2-8";
        QTest::newRow("edited first: the paste follows")
            << int(Qt::Key_Backspace) << "paste" << whole << "東京都港区芝公" + whole;
        QTest::newRow("edited first: the commit follows")
            << int(Qt::Key_1) << "commit" << whole << town + "1" + whole;
    }
    void wholeAddressReplacesTheFilledTown()
    {
        QFETCH(int, editKey);
        QFETCH(QString, how);
        QFETCH(QString, incoming);
        QFETCH(QString, add1);

        type(QStringLiteral("Edit_Zip"), QStringLiteral("1050011"));
        f->key(Qt::Key_Return);
        QTRY_VERIFY(ui(w()).Edit_Add1->hasFocus());
        QCOMPARE(ui(w()).Edit_Add1->text(), QStringLiteral("東京都港区芝公園"));
        if (editKey)
            QTest::keyClick(w()->windowHandle(), Qt::Key(editKey));
        if (how == u"paste") {
            QApplication::clipboard()->setText(incoming);
            f->key(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        } else if (how == u"commit") {
            MainWindowFixture::commitText(ui(w()).Edit_Add1, incoming);
        } else {
            for (const QChar c : incoming)
                QTest::keyClick(w()->windowHandle(), c.toLatin1());
        }
        QCOMPARE(ui(w()).Edit_Add1->text(), add1);
    }

    void severalPlacesAreOffered_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<int>("downs"); // -1: the list is cancelled
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("add1");
        QTest::addColumn<QString>("add3");
        const QStringList nangou{"北海道札幌市白石区南郷通", "北海道札幌市白石区南郷通南"};
        QTest::newRow("second town chosen") << "0030022" << 1 << nangou << nangou[1] << "";
        QTest::newRow("cancelled: the first town stays") << "0030022" << -1 << nangou << nangou[0] << "";
        const QString office = QStringLiteral("札幌私書箱センター");
        const QString officeAddress =
            QStringLiteral("北海道札幌市北区北十条西１丁目１２－３創生ビル１Ｆ１０１");
        QTest::newRow("office name taken into address 3")
            << "0018521" << 0 << QStringList{office + u'　' + officeAddress} << officeAddress << office;
        QTest::newRow("office name declined: address only")
            << "0018521" << -1 << QStringList{office + u'　' + officeAddress} << officeAddress << "";
    }
    void severalPlacesAreOffered()
    {
        QFETCH(QString, zip);
        QFETCH(int, downs);
        QFETCH(QStringList, offered);
        QFETCH(QString, add1);
        QFETCH(QString, add3);

        QStringList shown;
        answerList(downs, &shown);
        type(QStringLiteral("Edit_Zip"), zip);
        f->key(Qt::Key_Return);
        QTRY_VERIFY(ui(w()).Edit_Add1->hasFocus());
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{QStringLiteral("Form_Choice")});
        QCOMPARE(shown, offered);
        QCOMPARE(ui(w()).Edit_Add1->text(), add1);
        QCOMPARE(ui(w()).Edit_Add3->text(), add3);
    }

    void f4FindsTheCode_data()
    {
        QTest::addColumn<QString>("addressField");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("downs"); // for a list of codes
        QTest::addColumn<QString>("zipField");
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("helpText");
        QTest::newRow("full address") << "Edit_Add1"
                                      << "東京都港区芝公園４－２－８" << 0 << "Edit_Zip"
                                      << "105-0011"
                                      << "郵便番号 105-0011 を入れました";
        QTest::newRow("without the prefecture, half-width digits") << "Edit_Add1"
                                                                   << "港区芝公園4-2-8" << 0 << "Edit_Zip"
                                                                   << "105-0011"
                                                                   << "郵便番号 105-0011 を入れました";
        QTest::newRow("sender band") << "Edit_MyADD1"
                                     << "東京都府中市宮西町１" << 0 << "Edit_MyZip"
                                     << "183-0022"
                                     << "郵便番号 183-0022 を入れました";
        QTest::newRow("two codes: the second chosen") << "Edit_Add1"
                                                      << "北海道札幌市白石区南郷通３丁目" << 1 << "Edit_Zip"
                                                      << "003-0023"
                                                      << "郵便番号 003-0023 を入れました";
        QTest::newRow("no code found") << "Edit_Add1"
                                       << "大阪府大阪市北区梅田" << 0 << "Edit_Zip"
                                       << ""
                                       << "おところに合う郵便番号が見つかりません";
    }
    void f4FindsTheCode()
    {
        QFETCH(QString, addressField);
        QFETCH(QString, address);
        QFETCH(int, downs);
        QFETCH(QString, zipField);
        QFETCH(QString, zip);
        QFETCH(QString, helpText);

        QCOMPARE(w()->findChild<QPushButton*>(QStringLiteral("SpeedButton_F4"))->text(),
                 QStringLiteral("〒検索"));
        answerList(downs);
        type(addressField, address);
        f->key(Qt::Key_F4);
        QCOMPARE(field(zipField)->text(), zip);
        QCOMPARE(help(), helpText);
        QCOMPARE(helpIsRed(), zip.isEmpty());
        QCOMPARE(field(addressField)->text(), address);
    }

    void mismatchIsFlagged_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("warning");
        QTest::newRow("code of another city") << "1050011"
                                              << "東京都千代田区大手町１－１"
                                              << "郵便番号 105-0011 は 東京都港区芝公園 です";
        QTest::newRow("code of another town in the same city")
            << "105-0011"
            << "東京都港区芝５－１"
            << "郵便番号 105-0011 は 東京都港区芝公園 です";
        QTest::newRow("code not in the list") << "1234567"
                                              << "東京都港区芝公園１"
                                              << "郵便番号 123-4567 は 郵便番号の一覧にありません";
        QTest::newRow("matching pair") << "1050011"
                                       << "東京都港区芝公園１"
                                       << "";
    }
    void mismatchIsFlagged()
    {
        QFETCH(QString, zip);
        QFETCH(QString, address);
        QFETCH(QString, warning);

        type(QStringLiteral("Edit_Add1"), address);
        type(QStringLiteral("Edit_Zip"), zip);
        f->key(Qt::Key_Return); // on to the address, which is not replaced
        QTRY_VERIFY(ui(w()).Edit_Add1->hasFocus());
        QCOMPARE(ui(w()).Edit_Add1->text(), address);
        QCOMPARE(help(), warning.isEmpty() ? QStringLiteral("お届け先のおところ①を入力して下さい") : warning);
        QCOMPARE(helpIsRed(), !warning.isEmpty());

        // Leaving the address says it again; the next field's prompt comes in its own colour.
        f->focus(ui(w()).Edit_G1);
        QTRY_VERIFY(ui(w()).Edit_G1->hasFocus());
        QCOMPARE(help(), warning.isEmpty() ? QStringLiteral("品名を入力して下さい") : warning);
        f->key(Qt::Key_Return);
        QTRY_VERIFY(ui(w()).Edit_G2->hasFocus());
        QCOMPARE(help(), QStringLiteral("品名を入力して下さい"));
        QVERIFY(!helpIsRed());

        // The print question lists the warning under its own line.
        Dialogs::answerNext(false);
        f->key(Qt::Key_F11);
        // Before the lines of the empty sender and item name.
        QString question = MainWindowFixture::emptySlipQuestion();
        if (!warning.isEmpty())
            question.insert(QStringLiteral("印刷しますか?").size(), u'\n' + warning);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{question});
    }

    void transferIsCheckedAndKeptAsTransferred()
    {
        const QString block =
            QStringLiteral("〒105-0011\n大阪府大阪市北区梅田１－１\n山田太郎\n06-1111-2222");
        QApplication::clipboard()->setText(block);
        f->focus(ui(w()).Memo1);
        QTRY_VERIFY(ui(w()).Memo1->hasFocus());
        f->key(Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(ui(w()).BitBtn_1, Qt::LeftButton);
        const auto transferred = rova::transfer::run(block.split(u'\n')).fields;
        QCOMPARE(ui(w()).Edit_Zip->text(), transferred.zip);
        QCOMPARE(ui(w()).Edit_Add1->text(), transferred.add1);
        QCOMPARE(ui(w()).Edit_Add2->text(), transferred.add2);
        QCOMPARE(help(), QStringLiteral("郵便番号 105-0011 は 東京都港区芝公園 です"));
        QVERIFY(helpIsRed());
    }
};

QTEST_MAIN(TestPostalWindow)
#include "test_postal_window.moc"
