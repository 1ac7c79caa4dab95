// SPDX-License-Identifier: GPL-3.0-or-later
// The sender band through the real window: register, load on tab change, colouring, missing slots.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/readonlyfolder.h"

#include "rules/errors.h"
#include "rules/text/cp932.h"
#include "widgets/kit/dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using rova::Dialogs;

namespace
{
QStringList senderTexts(const MainWindow* w)
{
    return {ui(w).Edit_MyZip->text(), ui(w).Edit_MyADD1->text(), ui(w).Edit_MyADD2->text(),
            ui(w).Edit_My->text(), ui(w).Edit_MyTEL->text()};
}
} // namespace

class TestMainWindowSender : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    MainWindow* w() const { return f->window(); }

    void clickTab(int index)
    {
        QTabBar* tabs = ui(w()).PageControl_My;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QCOMPARE(tabs->currentIndex(), index);
    }
    void fillSender(const QStringList& texts)
    {
        const QList<QLineEdit*> fields{ui(w()).Edit_MyZip, ui(w()).Edit_MyADD1, ui(w()).Edit_MyADD2,
                                       ui(w()).Edit_My, ui(w()).Edit_MyTEL};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            fields[i]->clear();
            fields[i]->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY(fields[i]->hasFocus());
            MainWindowFixture::commitText(fields[i], texts[i]);
        }
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void firstStartInAnEmptyFolderShowsNoBox()
    {
        f->start();
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
        QCOMPARE(ui(w()).PageControl_My->currentIndex(), 0);
        QCOMPARE(ui(w()).PageControl_My->tabText(0), QStringLiteral("依頼主1"));
        QCOMPARE(ui(w()).PageControl_My->tabText(9), QStringLiteral("依頼主10"));
        QCOMPARE(senderTexts(w()), QStringList(5));
    }

    void registerWritesSlotFile_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("five fields") << QStringList{"100-0001", "東京都千代田区千代田１－１",
                                                    "皇居前ビル２階", "ロバ商店", "03-1234-5678"};
        QTest::newRow("empty fields give empty lines") << QStringList{"", "大阪市北区", "", "山田", ""};
    }
    void registerWritesSlotFile()
    {
        QFETCH(QStringList, texts);
        f->start();
        clickTab(2);
        Dialogs::takeShown();
        fillSender(texts);
        Dialogs::answerNext(true);
        QTest::mouseClick(ui(w()).BitBtn_My, Qt::LeftButton);
        QCOMPARE(MainWindowFixture::shownTexts(), (QStringList{QStringLiteral("ご依頼主を登録しますか?"),
                                                               QStringLiteral("ご依頼主を登録しました")}));
        QByteArray expected;
        for (const QString& line : texts)
            expected += rova::cp932::toBytes(line) + "\r\n";
        QCOMPARE(f->readFile(QStringLiteral("my2.txt")), expected);
        QVERIFY(!QFile::exists(f->path(QStringLiteral("my0.txt"))));
        QTRY_VERIFY(ui(w()).Edit_MyZip->hasFocus());
        QCOMPARE(ui(w()).Panel_HelpMess->text(), QStringLiteral("ご依頼主の郵便番号を入力して下さい"));

        // Another slot and back: the registered lines come back exactly.
        clickTab(0);
        fillSender(QStringList{"x", "x", "x", "x", "x"});
        clickTab(2);
        QCOMPARE(senderTexts(w()), texts);
    }

    void registerDeclinedWritesNothing()
    {
        f->start();
        fillSender(QStringList{"1", "2", "3", "4", "5"});
        ui(w()).Edit_My->setFocus(Qt::OtherFocusReason);
        Dialogs::takeShown();
        Dialogs::answerNext(false);
        QTest::mouseClick(ui(w()).BitBtn_My, Qt::LeftButton);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{QStringLiteral("ご依頼主を登録しますか?")});
        QVERIFY(!QFile::exists(f->path(QStringLiteral("my0.txt"))));
        QTRY_VERIFY(ui(w()).Edit_MyZip->hasFocus());
    }

    void registerRefusesCharactersFilesCannotHold()
    {
        f->start();
        fillSender(QStringList{"1", "2", "3", QStringLiteral("𠮷野家"), "5"});
        Dialogs::takeShown();
        Dialogs::answerNext(true);
        QTest::mouseClick(ui(w()).BitBtn_My, Qt::LeftButton);
        const QStringList texts = MainWindowFixture::shownTexts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[1].contains(QStringLiteral("ご依頼主のおなまえ")), qPrintable(texts[1]));
        QVERIFY(!QFile::exists(f->path(QStringLiteral("my0.txt"))));
    }

    void shortFilesLoad_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("two lines fill two fields and empty the others")
            << QByteArray("123-4567\r\nTokyo\r\n") << QStringList{"123-4567", "Tokyo", "", "", ""};
        QTest::newRow("LF line ends and a lone CR")
            << QByteArray("1\n2\r3\n4\n5\n6\n") << QStringList{"1", "23", "4", "5", "6"};
        QTest::newRow("code page 932 text")
            << rova::cp932::toBytes(QStringLiteral("〒\r\n大阪\r\n\r\n商店\r\n06\r\n"))
            << QStringList{"〒", "大阪", "", "商店", "06"};
        // The postal code takes 8 characters by typing and the name 80, which limits no file.
        const QString longName(81, QChar(0x5C71));
        QTest::newRow("lines longer than the fields take by typing load whole")
            << rova::cp932::toBytes(QStringLiteral("〒100-0001\r\n\r\n\r\n%1\r\n\r\n").arg(longName))
            << QStringList{"〒100-0001", "", "", longName, ""};
    }
    void shortFilesLoad()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, texts);
        f->writeFile(QStringLiteral("my4.txt"), bytes);
        f->start();
        fillSender(QStringList{"a", "b", "c", "d", "e"});
        clickTab(4);
        QCOMPARE(senderTexts(w()), texts);
    }

    void arrowKeysLoadEachSlot()
    {
        f->writeFile(QStringLiteral("my0.txt"), "0\r\n\r\n\r\n\r\n\r\n");
        f->writeFile(QStringLiteral("my1.txt"), "1\r\n\r\n\r\n\r\n\r\n");
        f->start();
        ui(w()).PageControl_My->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(ui(w()).PageControl_My->hasFocus());
        Dialogs::takeShown();
        f->key(Qt::Key_Right);
        QCOMPARE(ui(w()).Edit_MyZip->text(), QStringLiteral("1"));
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
        f->key(Qt::Key_Right);
        QCOMPARE(ui(w()).PageControl_My->currentIndex(), 2);
        // A slot never registered is empty: no box, and nothing of the previous sender stays.
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
        QCOMPARE(senderTexts(w()), QStringList(5));
        f->key(Qt::Key_Right);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
        f->key(Qt::Key_Left);
        f->key(Qt::Key_Left);
        f->key(Qt::Key_Left);
        QCOMPARE(ui(w()).Edit_MyZip->text(), QStringLiteral("0"));
    }

    void unreadableSlotIsReportedAndShownEmpty()
    {
        f->writeFile(QStringLiteral("my0.txt"), "0\r\n\r\n\r\n\r\n\r\n");
        QVERIFY(QDir().mkdir(f->path(QStringLiteral("my1.txt"))));
        f->start();
        QCOMPARE(ui(w()).Edit_MyZip->text(), QStringLiteral("0"));
        clickTab(1);
        const QStringList shown = MainWindowFixture::shownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].endsWith(QLatin1Char('\n') + f->path(QStringLiteral("my1.txt"))),
                 qPrintable(shown[0]));
        QCOMPARE(senderTexts(w()), QStringList(5));
    }

    void restoredSlotIsLoadedWithoutAnEvent()
    {
        f->writeFile(QStringLiteral("rova_Yamato.ini"), "[rv_YAMATOprn]\r\nTab_My=3\r\n");
        f->writeFile(QStringLiteral("my3.txt"), "333\r\n\r\n\r\n\r\n\r\n");
        f->start();
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
        QCOMPARE(ui(w()).PageControl_My->currentIndex(), 3);
        QCOMPARE(ui(w()).Edit_MyZip->text(), QStringLiteral("333"));
        QTRY_VERIFY(ui(w()).Edit_Zip->hasFocus());
    }

    // A negative stored tab leaves no slot active while the row still shows the first tab: registering
    // writes nothing until that tab is clicked, which loads its slot as choosing any tab does.
    void negativeStoredTab_data()
    {
        QTest::addColumn<bool>("clickShownTab");
        QTest::newRow("register writes nothing") << false;
        QTest::newRow("a click on the shown tab loads it and register writes it") << true;
    }
    void negativeStoredTab()
    {
        QFETCH(bool, clickShownTab);
        const QByteArray slot0("100\r\n\r\n\r\n\r\n\r\n");
        f->writeFile(QStringLiteral("rova_Yamato.ini"), "[rv_YAMATOprn]\r\nTab_My=-1\r\nOP023MyZip=999\r\n");
        f->writeFile(QStringLiteral("my0.txt"), slot0);
        f->start();
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{QStringLiteral("TabErr")});
        QCOMPARE(ui(w()).Edit_MyZip->text(), QStringLiteral("999"));
        QCOMPARE(ui(w()).PageControl_My->currentIndex(), 0);
        if (clickShownTab) {
            clickTab(0);
            QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
            QCOMPARE(ui(w()).Edit_MyZip->text(), QStringLiteral("100"));
            ui(w()).Edit_MyZip->setText(QStringLiteral("200"));
        }
        Dialogs::answerNext(true);
        QTest::mouseClick(ui(w()).BitBtn_My, Qt::LeftButton);
        QCOMPARE(MainWindowFixture::shownTexts().size(), clickShownTab ? 2 : 1);
        QCOMPARE(f->readFile(QStringLiteral("my0.txt")),
                 clickShownTab ? QByteArray("200\r\n\r\n\r\n\r\n\r\n") : slot0);
        QCOMPARE(QDir(f->path(QString())).entryList({QStringLiteral("my*.txt")}), QStringList{"my0.txt"});
    }

    // The slot's file cannot be written: the error is shown, registering is not confirmed, and the
    // focus stays where the operator pressed the button.
    void registerFailureIsShownAndKeepsFocus()
    {
        f->writeFile(QStringLiteral("my0.txt"), "\r\n\r\n\r\n\r\n\r\n");
        f->start();
        ReadOnlyFolder readOnly(f->path(QString()));
        if (!readOnly.refusesWrites())
            QSKIP("this machine cannot make a folder read-only");
        fillSender(QStringList{"1", "2", "3", "4", "5"});
        ui(w()).BitBtn_My->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(ui(w()).BitBtn_My->hasFocus());
        Dialogs::takeShown();
        Dialogs::answerNext(true);
        f->key(Qt::Key_Return);
        QCOMPARE(MainWindowFixture::shownTexts(),
                 (QStringList{QStringLiteral("ご依頼主を登録しますか?"),
                              rova::errtext::fileAccessDenied() + '\n' + f->path("my0.txt")}));
        QCOMPARE(MainWindowFixture::focusedName(), QStringLiteral("BitBtn_My"));
        QCOMPARE(f->readFile(QStringLiteral("my0.txt")), QByteArray("\r\n\r\n\r\n\r\n\r\n"));
    }

    void colouring()
    {
        f->start();
        const QColor window = ui(w()).Edit_My->palette().color(QPalette::Base);
        QTest::mouseClick(ui(w()).CheckBox_My, Qt::LeftButton, {}, QPoint(4, 8));
        QVERIFY(!ui(w()).CheckBox_My->isChecked());
        for (QLineEdit* grey :
             {ui(w()).Edit_MyZip, ui(w()).Edit_MyADD1, ui(w()).Edit_MyADD2, ui(w()).Edit_MyTEL})
            QCOMPARE(grey->palette().color(QPalette::Base), QColor(128, 128, 128));
        QCOMPARE(ui(w()).Edit_My->palette().color(QPalette::Base), window);
        QVERIFY(!ui(w()).Edit_MyZip->isReadOnly());
        QTest::mouseClick(ui(w()).CheckBox_My, Qt::LeftButton, {}, QPoint(4, 8));
        for (QLineEdit* field : {ui(w()).Edit_MyZip, ui(w()).Edit_MyADD1, ui(w()).Edit_MyADD2,
                                 ui(w()).Edit_MyTEL, ui(w()).Edit_My})
            QCOMPARE(field->palette().color(QPalette::Base), window);
    }
};

QTEST_MAIN(TestMainWindowSender)
#include "test_mainwindow_sender.moc"
