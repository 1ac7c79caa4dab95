// SPDX-License-Identifier: GPL-3.0-or-later
// The text transfer pane through the real window: paste, transfer, the fields, the pane and messages.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "rules/text/cp932.h"
#include "rules/text/halfwidth.h"
#include "rules/transfer/transfer.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;

namespace
{
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QString kWarning = QStringLiteral("警告:おところ①の文字数が多すぎます。　おところ②へ分割してください");
} // namespace

class TestMainWindowTransfer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    MainWindow* w() const { return f->window(); }

    void paste(const QString& block)
    {
        QApplication::clipboard()->setText(block);
        f->focus(ui(w()).Memo1);
        QTRY_VERIFY(ui(w()).Memo1->hasFocus());
        f->key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui(w()).Memo1->toPlainText(), block);
    }
    QColor memoBackground() const { return ui(w()).Memo1->palette().color(QPalette::Base); }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    // F5 from any control: the clipboard's block lands in the pane and is transferred in one step.
    void f5PastesAndTransfers_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("from a destination field") << "Edit_Add1";
        QTest::newRow("from the slip-type list") << "ComboBox_SEL";
        QTest::newRow("from the pane") << "Memo1";
    }
    void f5PastesAndTransfers()
    {
        QFETCH(QString, from);
        const QString block = QStringLiteral("〒100-0001\n東京都千代田区千代田1-1\n山田太郎\n03-1234-5678");
        ui(w()).Memo1->setPlainText(QStringLiteral("前の内容"));
        QApplication::clipboard()->setText(block);
        w()->findChild<QWidget*>(from)->setFocus();
        QTRY_COMPARE(MainWindowFixture::focusedName(), from);
        Dialogs::takeShown();
        f->key(Qt::Key_F5);
        const rova::transfer::Outcome expected = rova::transfer::run(block.split(QLatin1Char('\n')));
        QCOMPARE(ui(w()).Edit_Zip->text(), QStringLiteral("100-0001"));
        QCOMPARE(ui(w()).Edit_Custo1->text(), expected.fields.name);
        QCOMPARE(ui(w()).Edit_tel->text(), QStringLiteral("03-1234-5678"));
        QCOMPARE(ui(w()).Memo1->toPlainText(), expected.pane.join(QLatin1Char('\n')));
        QCOMPARE(Dialogs::takeShown().size(), 0);
    }

    void transferFillsTheDestination_data()
    {
        QTest::addColumn<QString>("block");
        QTest::newRow("postal code, address, name and telephone with blank lines and a mail address")
            << QStringLiteral("\n〒１００－０００１\n\n東京都千代田区千代田１－１\n山田太郎　様\nyamada@"
                              "example.jp\nTEL ０３－１２３４－５６７８\n");
        QTest::newRow("one-line block")
            << QStringLiteral("100-0001 東京都千代田区千代田1-1 山田太郎 03-1234-5678");
        QTest::newRow("long first address line") << QStringLiteral(
            "〒530-0001\n大阪府大阪市北区梅田一丁目二番三号大阪駅前第一ビル\n鈴木一郎\n06-1111-2222");
        // The name field limits typing to 80 characters, not what a transfer puts in.
        QTest::newRow("name longer than the name field takes by typing")
            << QStringLiteral("〒100-0001\n東京都千代田区千代田１－１\n%1様\n03-1234-5678")
                   .arg(QString(85, QChar(0x5C71)));
    }
    void transferFillsTheDestination()
    {
        QFETCH(QString, block);
        ui(w()).Edit_Add3->setText(QStringLiteral("三号室"));
        ui(w()).Edit_G1->setText(QStringLiteral("本"));
        paste(block);
        QTest::mouseClick(ui(w()).BitBtn_1, Qt::LeftButton);

        const rova::transfer::Outcome expected = rova::transfer::run(block.split(QLatin1Char('\n')));
        QVERIFY(!expected.nothingToTransfer);
        QCOMPARE(Dialogs::takeShown().size(), 0);
        QCOMPARE(ui(w()).Edit_Zip->text(), rova::toHalfWidth(expected.fields.zip));
        QCOMPARE(ui(w()).Edit_Add1->text(), expected.fields.add1);
        QCOMPARE(ui(w()).Edit_Add2->text(), expected.fields.add2);
        QCOMPARE(ui(w()).Edit_Custo1->text(), expected.fields.name);
        QCOMPARE(ui(w()).Edit_tel->text(), rova::toHalfWidth(expected.fields.tel));
        QCOMPARE(ui(w()).Edit_Add3->text(), QStringLiteral("三号室"));
        QCOMPARE(ui(w()).Edit_G1->text(), QStringLiteral("本"));
        QCOMPARE(ui(w()).Memo1->toPlainText(), expected.pane.join(QLatin1Char('\n')));
        QCOMPARE(ui(w()).Memo1->textCursor().position(), 0);
        QTRY_VERIFY(ui(w()).Edit_Zip->hasFocus());
        // The warning is judged after every transfer.
        QCOMPARE(ui(w()).Label_Warning->text().isEmpty(),
                 rova::cp932::byteLength(ui(w()).Edit_Add1->text()) <= 40);
    }

    // Zip, address 1, name and telephone as the operator sees them.
    void fieldsAsTheOperatorSeesThem_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("full-width postal code and telephone arrive half-width")
            << QStringLiteral("〒１００－０００１\n東京都千代田区千代田１－１\n山田太郎　様\nTEL "
                              "０３－１２３４－５６７８")
            << QStringList{"100-0001", "東京都千代田区千代田１－１", "山田太郎", "03-1234-5678"};
        QTest::newRow("order e-mail: the delivery block, not the buyer's")
            << QStringLiteral(
                   "【ご注文者情報】\n〒100-0001\n東京都千代田区千代田1-1\n注文 花子 様\nTEL 03-1111-2222\n\n"
                   "■お届け先■\n----------\n〒530-0001\n大阪府大阪市北区梅田1-2-3\n見本 太郎 様\n"
                   "TEL 06-1234-5678\n【お支払い方法】\n代金引換")
            << QStringList{"530-0001", "大阪府大阪市北区梅田1-2-3", "見本 太郎", "06-1234-5678"};
        QTest::newRow("minus signs of a web page")
            << QStringLiteral("〒100\u22120001\n山田太郎\n03\u22121234\u22125678")
            << QStringList{"100-0001", "", "山田太郎", "03-1234-5678"};
    }
    void fieldsAsTheOperatorSeesThem()
    {
        QFETCH(QString, block);
        QFETCH(QStringList, fields);
        paste(block);
        QTest::mouseClick(ui(w()).BitBtn_1, Qt::LeftButton);
        QCOMPARE(Dialogs::takeShown().size(), 0);
        QCOMPARE((QStringList{ui(w()).Edit_Zip->text(), ui(w()).Edit_Add1->text(),
                              ui(w()).Edit_Custo1->text(), ui(w()).Edit_tel->text()}),
                 fields);
        QCOMPARE(ui(w()).Label_Warning->text(), QString());
    }

    void longAddressWarnsAfterTransfer()
    {
        paste(QStringLiteral(
            "〒530-0001\n大阪府大阪市北区梅田一丁目二番三号大阪駅前第一ビル\n鈴木一郎\n06-1111-2222"));
        QTest::mouseClick(ui(w()).BitBtn_1, Qt::LeftButton);
        QVERIFY(rova::cp932::byteLength(ui(w()).Edit_Add1->text()) > 40);
        QCOMPARE(ui(w()).Label_Warning->text(), kWarning);
    }

    void nothingToTransfer_data()
    {
        QTest::addColumn<QString>("block");
        QTest::newRow("empty pane") << QString();
        QTest::newRow("only blank lines") << QStringLiteral("\n  \n\n");
        QTest::newRow("only mail and web addresses") << QStringLiteral("info@example.com\nwww.example.co.jp");
        QTest::newRow("a delivery heading with nothing under it") << QStringLiteral("【お届け先】\n");
    }
    void nothingToTransfer()
    {
        QFETCH(QString, block);
        ui(w()).Edit_Zip->setText(QStringLiteral("123-4567"));
        ui(w()).Edit_Add1->setText(QString(21, QChar(0x6771)));
        if (!block.isEmpty())
            paste(block);
        QTest::mouseClick(ui(w()).BitBtn_1, Qt::LeftButton);
        const auto shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("転送テキストがありません"));
        QCOMPARE(ui(w()).Edit_Zip->text(), QStringLiteral("123-4567"));
        QCOMPARE(ui(w()).Memo1->toPlainText(), QString());
        QCOMPARE(ui(w()).Label_Warning->text(), kWarning);
    }

    void paneColour_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<bool>("silver");
        QTest::newRow("text turns the pane white") << QStringLiteral("abc") << false;
        QTest::newRow("line breaks alone count as text") << QStringLiteral("\n\n") << false;
    }
    void paneColour()
    {
        QFETCH(QString, block);
        QFETCH(bool, silver);
        QCOMPARE(memoBackground(), kSilver);
        paste(block);
        QCOMPARE(memoBackground() == kSilver, silver);
    }

    void clearButtonEmptiesOnlyThePane()
    {
        const QList<QPair<QLineEdit*, QString>> fields{
            {ui(w()).Edit_Zip, QStringLiteral("123-4567")},
            {ui(w()).Edit_Add1, QStringLiteral("東京都港区芝公園1-2-3")},
            {ui(w()).Edit_Add2, QStringLiteral("芝公園ビル")},
            {ui(w()).Edit_Custo1, QStringLiteral("山田")},
            {ui(w()).Edit_tel, QStringLiteral("03-1234-5678")}};
        for (const auto& [edit, text] : fields)
            edit->setText(text);
        paste(QStringLiteral("abc\ndef"));
        QTest::mouseClick(ui(w()).BitBtn_MemoCLS, Qt::LeftButton);
        QCOMPARE(ui(w()).Memo1->toPlainText(), QString());
        QCOMPARE(memoBackground(), kSilver);
        for (const auto& [edit, text] : fields)
            QCOMPARE(edit->text(), text);
        QCOMPARE(Dialogs::takeShown().size(), 0);
    }
};

QTEST_MAIN(TestMainWindowTransfer)
#include "test_mainwindow_transfer.moc"
