// SPDX-License-Identifier: GPL-3.0-or-later
// The history window as the operator uses it: F8 opens it on the newest slips, typing narrows them in
// either width, and Enter, F11, Delete and Esc load, reprint, delete and close; a reprint draws what
// the first print drew, and an export reads back through the batch import as the same slips.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/privatepostgrestest.h"
#include "support/storeengines.h"

#include "platform/print/printerchoice.h"
#include "platform/store/history.h"
#include "platform/store/trackingstacks.h"
#include "rules/files/programsettings.h"
#include "rules/orders/orderimport.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "support/readonlyfolder.h"
#include "support/sampleslip.h"
#include "support/slipchecks.h"
#include "support/slipvaluestext.h"
#include "support/testprinters.h"
#include "widgets/history/historywindow.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

using rova::Dialogs;
using rova::slip::SlipValues;
using rova::store::HistoryEntry;
using rova::test::slipTo;

namespace
{
QDateTime day(int d)
{
    return QDateTime(QDate(2026, 11, d), QTime(10, 0));
}
} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;
    QWidget* m_history = nullptr;
    rova::test::StoreEngines m_engines;
    QString m_server; // the history's, when the test moved it to the private server

    // Starts the windows again as a station of a fresh private server; false, with why, when it
    // cannot run here.
    bool startOnServer(QString* why)
    {
        const std::optional<rova::store::Location> server = m_engines.fresh(true, f->folder(), why);
        if (!server)
            return false;
        m_server = server->server;
        f.reset();
        f = MainWindowFixture::started(m_server);
        return true;
    }

    void record(const SlipValues& slip, const QDateTime& at, const QString& number = {})
    {
        HistoryEntry e;
        e.printedAt = at;
        e.slip = slip;
        e.trackingNumber = number;
        rova::store::History(rova::store::Location(f->window()->folder(), m_server, "梱包2")).record(e);
    }

    // Three slips on the 1st, 2nd and 3rd; the window opened with F8.
    void openWithThree()
    {
        SlipValues yamada =
            slipTo("ヤマダ　タロウ", "０３－１２３４－５６７８", "100-0001", "東京都千代田区");
        yamada.g1 = QStringLiteral("りんご");
        record(yamada, day(1));
        record(slipTo("山田花子", "06-6123-4567", "５３０－０００１", "大阪府大阪市北区", "梅田ビル"),
               day(2));
        record(slipTo("ｻﾄｳ ｲﾁﾛｳ", "0312345678", "0600001", "北海道札幌市"), day(3));
        openWindow();
    }

    void openWindow()
    {
        f->key(Qt::Key_F8);
        m_history = f->forms().historyWindow.get();
        QTRY_VERIFY2(m_history->isVisible(), "F8 showed no Form_History");
        QVERIFY(QTest::qWaitForWindowActive(m_history));
    }

    template <class T> T* part(const char* name) { return testsupport::control<T>(m_history, name); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_history->windowHandle(), key, modifiers);
    }
    QStringList shownNames()
    {
        QStringList names;
        auto* grid = part<QTableWidget>("Grid_History");
        for (int row = 0; row < grid->rowCount(); ++row)
            names << grid->item(row, 2)->text();
        return names;
    }
    // Each row's name and a column as the grid shows them, newest first.
    QStringList shownWith(int column)
    {
        QStringList shown;
        auto* grid = part<QTableWidget>("Grid_History");
        for (int row = 0; row < grid->rowCount(); ++row)
            shown << grid->item(row, 2)->text() + " " + grid->item(row, column)->text();
        return shown;
    }
    QStringList shownNumbers() { return shownWith(8); }
    QStringList shownOriginals() { return shownWith(9); }
    // Two slips on the forms 4444-1375-8703 and 8714, one printed without a number.
    // Of the slip type the main window shows, so a reprint goes to its printer.
    void openWithNumbered()
    {
        const auto slip = [this](const QString& name) {
            SlipValues s = slipTo(name, "03-1111-2222", "100-0001", "東京都千代田区");
            s.slipType = f->window()->slipValues().slipType;
            return s;
        };
        record(slip("一番"), day(1), "444413758703");
        record(slip("二番"), day(1), "444413758714");
        record(slip("番号なし"), day(2));
        openWindow();
    }
    void search(const QString& text)
    {
        part<QLineEdit>("Edit_Search")->clear();
        MainWindowFixture::commitText(part<QLineEdit>("Edit_Search"), text);
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init()
    {
        m_server.clear();
        f = MainWindowFixture::started();
    }
    void cleanup() { f.reset(); }

    void f8OpensNewestFirst()
    {
        QCOMPARE(testsupport::control<QPushButton>(f->window(), "SpeedButton_F8")->text(),
                 QStringLiteral("履歴"));
        openWithThree();
        QCOMPARE(shownNames(), (QStringList{"ｻﾄｳ ｲﾁﾛｳ", "山田花子", "ヤマダ　タロウ"}));
        QCOMPARE(QApplication::focusWidget(), part<QLineEdit>("Edit_Search"));
        key(Qt::Key_Escape);
        QTRY_VERIFY(!m_history->isVisible());
    }

    void searchAsYouType_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("half-width digits find full-width telephone")
            << "03-1234" << QStringList{"ｻﾄｳ ｲﾁﾛｳ", "ヤマダ　タロウ"};
        QTest::newRow("half-width kana finds full-width name") << "ﾔﾏﾀﾞ" << QStringList{"ヤマダ　タロウ"};
        QTest::newRow("full-width kana finds half-width name") << "サトウ" << QStringList{"ｻﾄｳ ｲﾁﾛｳ"};
        QTest::newRow("postal code without hyphen") << "5300001" << QStringList{"山田花子"};
        QTest::newRow("piece of an address line") << "梅田ビル" << QStringList{"山田花子"};
        QTest::newRow("nothing matches") << "名古屋" << QStringList{};
    }
    void searchAsYouType()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        openWithThree();
        search(typed);
        QCOMPARE(shownNames(), found);
    }

    void printingDaysNarrowTheList()
    {
        openWithThree();
        part<QCheckBox>("CheckBox_Period")->click();
        part<QDateEdit>("DateEdit_From")->setDate(QDate(2026, 11, 2));
        part<QDateEdit>("DateEdit_To")->setDate(QDate(2026, 11, 2));
        QCOMPARE(shownNames(), QStringList{"山田花子"});
        part<QCheckBox>("CheckBox_Period")->click();
        QCOMPARE(shownNames().size(), 3);
    }

    void enterLoadsTheSlipIntoTheMainWindow()
    {
        openWithThree();
        search(QStringLiteral("ﾔﾏﾀﾞ"));
        key(Qt::Key_Return);
        const SlipValues shown = f->window()->slipValues();
        QCOMPARE(shown.name, QStringLiteral("ヤマダ　タロウ"));
        QCOMPARE(shown.add1, QStringLiteral("東京都千代田区"));
        QCOMPARE(shown.g1, QStringLiteral("りんご"));
    }

    void reprintDrawsWhatTheFirstPrintDrew()
    {
        f->window()->showSlip(rova::test::sampleSlip());
        auto& fake = MainWindowFixture::fakePrinter();
        Dialogs::answerNext(true);
        f->key(Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"印刷しますか?"});
        const auto first = fake.jobs().last();
        openWindow();
        Dialogs::answerNext(true);
        key(Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"印刷しますか?"});
        const auto again = fake.jobs().last();
        QCOMPARE(fake.jobs().size(), 2);
        QCOMPARE(again.destination, first.destination);
        QCOMPARE(again.texts.size(), first.texts.size());
        for (int i = 0; i < first.texts.size(); ++i) {
            QCOMPARE(again.texts[i].text, first.texts[i].text);
            QCOMPARE(again.texts[i].position, first.texts[i].position);
        }
        QCOMPARE(shownNames().size(), 2); // the reprint is in the history too
    }

    // A slip recorded before codes were shown 100-0005 is reprinted with its seven digits in the
    // seven boxes, where the same code with the hyphen prints them.
    void reprintOfSevenDigitsDrawsTheHyphenedCode()
    {
        SlipValues slip = rova::test::sampleSlip();
        slip.zip = QStringLiteral("1000005");
        record(slip, day(1));
        auto& fake = MainWindowFixture::fakePrinter();
        const qsizetype jobsBefore = fake.jobs().size();
        openWindow();
        Dialogs::answerNext(true);
        key(Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"印刷しますか?"});
        QCOMPARE(fake.jobs().size(), jobsBefore + 1);
        const auto reprint = fake.jobs().last();
        key(Qt::Key_Escape);
        QTRY_VERIFY(!m_history->isVisible());

        slip.zip = QStringLiteral("100-0005");
        f->window()->showSlip(slip);
        Dialogs::answerNext(true);
        f->key(Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"印刷しますか?"});
        const auto hyphened = fake.jobs().last();
        // The destination code's seven boxes come first.
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(reprint.texts[i].text, hyphened.texts[i].text);
            QCOMPARE(reprint.texts[i].position, hyphened.texts[i].position);
        }
    }

    void reprintChecksEachSlipOnItsOwnTypesPrinter_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("warned");
        // Each printer other than the entry window's is asked for its settings once, however often
        // the command chooses it.
        QTest::addColumn<int>("queries");
        QTest::newRow("the entry window's type") << QList<int>{0} << false << 0;
        QTest::newRow("another type, on a narrow page") << QList<int>{1} << true << 1;
        QTest::newRow("both") << QList<int>{0, 1} << true << 1;
        QTest::newRow("three types on three printers") << QList<int>{0, 1, 2} << true << 2;
    }
    void reprintChecksEachSlipOnItsOwnTypesPrinter()
    {
        QFETCH(QList<int>, types);
        QFETCH(bool, warned);
        QFETCH(int, queries);
        // The second type's printer prints at 300 dpi on a page whose printable area ends 40 mm
        // from its left edge: the slip runs off it there, and nowhere on the entry window's printer.
        auto& fake = MainWindowFixture::fakePrinter();
        if (fake.destinations().size() == 1) {
            auto narrow = rova::print::FakePrintSystem::printer(QStringLiteral("Narrow 300"));
            for (rova::print::Paper& paper : narrow.capabilities.papers)
                paper.marginsMm.setRight(paper.sizeMm.width() - 40);
            narrow.capabilities.resolutions = {QPoint(300, 300)};
            narrow.capabilities.defaults.resolution = QPoint(300, 300);
            fake.addPrinter(narrow);
            fake.addPrinter(rova::print::FakePrintSystem::printer(QStringLiteral("Printer C")));
            testprinters::choice().checkForChanges();
        }
        const QStringList names = rova::slip::slipTypes();
        slipcheck::writeAssignments(f->window()->folder(), {{names[0], "Printer A", "0", "0", "0"},
                                                            {names[1], "Narrow 300", "1", "0", "0"},
                                                            {names[2], "Printer C", "2", "0", "0"}});
        for (const int type : types) {
            SlipValues slip = rova::test::sampleSlip();
            slip.slipType = names[type];
            record(slip, day(type + 1));
        }
        openWindow();
        QTest::keyClick(part<QTableWidget>("Grid_History"), Qt::Key_A, Qt::ControlModifier);
        const auto jobsBefore = fake.jobs().size();
        const int queriesBefore = fake.capabilityQueries();
        Dialogs::answerNext(true);
        key(Qt::Key_F11);
        QCOMPARE(fake.capabilityQueries() - queriesBefore, queries);

        const QStringList question = MainWindowFixture::shownTexts().value(0).split(u'\n');
        QCOMPARE(question.value(0), "印刷しますか?");
        QCOMPARE(question.size() > 1, warned);
        for (const QString& line : question.mid(1))
            QVERIFY2(line.endsWith(QStringLiteral("が印刷できる範囲をはみ出します")), qPrintable(line));
        // One job per type, each on its own printer at that printer's resolution.
        QStringList printed;
        for (qsizetype i = jobsBefore; i < fake.jobs().size(); ++i)
            printed << QStringLiteral("%1 %2")
                           .arg(fake.jobs()[i].destination)
                           .arg(fake.jobs()[i].mode.resolution.x());
        printed.sort();
        QStringList expected;
        for (const int type : types)
            expected << QStringList{"Printer A 600", "Narrow 300 300", "Printer C 600"}[type];
        expected.sort();
        QCOMPARE(printed, expected);
    }

    void scanningAFormAndEnterOpensItsSlip()
    {
        openWithNumbered();
        // A scanner types the barcode's start letter, the digits and its stop letter.
        QTest::keyClicks(part<QLineEdit>("Edit_Search"), "A444413758714B");
        QCOMPARE(shownNumbers(), QStringList{"二番 4444-1375-8714"});
        key(Qt::Key_Return);
        QCOMPARE(f->window()->slipValues().name, QStringLiteral("二番"));
    }

    void renumberFromATypedFirstNumber()
    {
        openWithNumbered();
        auto* grid = part<QTableWidget>("Grid_History");
        grid->selectRow(0);
        grid->selectionModel()->select(grid->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        Dialogs::answerNextDialog([](QDialog& dialog) {
            auto* edit = testsupport::control<QLineEdit>(&dialog, "Edit_TrackingNumber");
            edit->setText("4444-1375-8705"); // a wrong check digit is refused and can be corrected
            dialog.accept();
            edit->setText("4444 1375 8725");
            dialog.accept();
            return dialog.result();
        });
        part<QPushButton>("Button_Renumber")->click();
        QCOMPARE(MainWindowFixture::shownTexts(),
                 (QStringList{"Form_TrackingNumber", "伝票番号「4444-1375-8705」のチェック数字 "
                                                     "(最後の桁) が違います: 5 ではなく 3 のはずです"}));
        // In printing order: the older slip takes the first number.
        QCOMPARE(shownNumbers(), (QStringList{"二番 4444-1375-8725", "番号なし 4444-1375-8736",
                                              "二番 4444-1375-8714 (書き損じ)", "一番 4444-1375-8703"}));
    }

    // A data folder that cannot be written: the slips recorded before are there to find and reprint
    // from, no notices are written; the print is said not to be recorded, once, with no error box.
    void readOnlyFolderStillShowsTheHistory()
    {
        record(slipTo("山田花子", "06-6123-4567", "530-0001", "大阪府大阪市北区"), day(2));
        ReadOnlyFolder readOnly(f->window()->folder());
        if (!readOnly.refusesWrites())
            QSKIP("this machine cannot make a folder read-only");
        openWindow();
        QCOMPARE(shownNames(), QStringList{"山田花子"});
        // Notices whose slips could not be marked would be written again next time.
        part<QPushButton>("Button_Notices")->click();
        QCOMPARE(MainWindowFixture::shownTexts(),
                 QStringList{"データフォルダに書き込めないため、出荷通知は書き出せません。\n"
                             "データフォルダに書き込めるようにしてから、もう一度お試しください。"});
        key(Qt::Key_Escape);
        QTRY_VERIFY(!m_history->isVisible());
        MainWindowFixture::shownTexts();
        const qsizetype jobs = MainWindowFixture::fakePrinter().jobs().size();
        for (const bool said : {true, false}) {
            Dialogs::answerNext(true);
            f->key(Qt::Key_F11);
            QCOMPARE(MainWindowFixture::shownTexts().size(), 1); // the question, no error
            const QString help = ui(f->window()).Panel_HelpMess->text();
            QVERIFY2(help.contains(QStringLiteral("印刷の履歴は記録していません")) == said, qPrintable(help));
        }
        QCOMPARE(MainWindowFixture::fakePrinter().jobs().size(), jobs + 2);
    }

    void reprintTakesNewNumbersAndSpoilsTheOld()
    {
        openWithNumbered();
        const QString type = f->window()->slipValues().slipType;
        rova::store::TrackingStacks(f->window()->folder()).setNext(type, "444413758740");
        search("一番");
        Dialogs::answerNext(true);
        key(Qt::Key_F11);
        search("");
        QCOMPARE(shownNumbers().mid(0, 1), QStringList{"一番 4444-1375-8740"});
        QVERIFY(shownNumbers().contains("一番 4444-1375-8703 (書き損じ)"));
        QVERIFY(testsupport::control<QStatusBar>(f->window(), "StatusBar1")
                    ->currentMessage()
                    .endsWith("伝票番号 4444-1375-8740、次は 4444-1375-8751"));
    }

    // The reprint's row names the slip it printed again, and still names it by number once deleted.
    void reprintNamesTheSlipItPrintedAgain()
    {
        openWithNumbered();
        const qint64 original = rova::store::History(f->window()->folder())
                                    .search({.text = QStringLiteral("番号なし")})
                                    .value(0)
                                    .id;
        search("番号なし");
        Dialogs::answerNext(true);
        key(Qt::Key_F11);
        search("");
        QCOMPARE(shownOriginals(),
                 (QStringList{"番号なし 2026/11/02 10:00　番号なし", "番号なし ", "二番 ", "一番 "}));

        auto* grid = part<QTableWidget>("Grid_History");
        grid->setFocus();
        grid->selectRow(1);
        Dialogs::answerNext(true);
        key(Qt::Key_Delete);
        QCOMPARE(shownOriginals(),
                 (QStringList{QStringLiteral("番号なし No.%1 (削除済み)").arg(original), "二番 ", "一番 "}));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("yes deletes the chosen row") << true << QStringList{"山田花子", "ヤマダ　タロウ"};
        QTest::newRow("no keeps it") << false << QStringList{"ｻﾄｳ ｲﾁﾛｳ", "山田花子", "ヤマダ　タロウ"};
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, left);
        openWithThree();
        part<QTableWidget>("Grid_History")->setFocus();
        Dialogs::answerNext(answer);
        key(Qt::Key_Delete);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"選択した 1 件の履歴を削除しますか?"});
        QCOMPARE(shownNames(), left);
        search(QString()); // read again from the database
        QCOMPARE(shownNames(), left);
    }

    void exportReadsBackThroughTheBatchImport()
    {
        SlipValues full = rova::test::sampleSlip();
        full.slipType = rova::slip::slipTypes()[2];
        full.timeSlots = {false, true, false, false, false, false};
        full.promisedTimes = {};
        full.order = {}; // our CSV is no marketplace's order file
        record(full, day(4));
        record(slipTo("山田花子", "06-6123-4567", "530-0001", "大阪府大阪市北区", "梅田ビル"), day(5));
        openWindow();
        auto* grid = part<QTableWidget>("Grid_History");
        grid->setFocus();
        key(Qt::Key_A, Qt::ControlModifier);
        const QString path = f->path(QStringLiteral("out.csv"));
        // Saved into the data folder once, the dialog still never opens there.
        const QString proposed =
            QDir(rova::ProgramSettings::defaultFolder()).filePath(QStringLiteral("履歴.csv"));
        for (const QString& answer : {path, QString()}) {
            Dialogs::takeShown();
            Dialogs::answerNextFile(answer);
            part<QPushButton>("Button_Export")->click();
            QCOMPARE(Dialogs::takeShown().value(0).proposed, proposed);
        }

        const rova::orders::OrderImport back =
            rova::orders::importOrders(rova::orders::readOrderFile(path), {SlipValues(), QDate(2024, 1, 1)});
        QCOMPARE(back.slips.size(), 2);
        QCOMPARE(back.slips[0].values.name, QStringLiteral("山田花子"));
        QCOMPARE(back.slips[1].values, full);
    }

    // The notices of marketplace slips go into the folder the dialog names, and are not written twice;
    // the dialog and its folder dialog open where the notices last went.
    void noticesOfPrintedMarketplaceSlips()
    {
        HistoryEntry e;
        e.printedAt = day(4);
        e.slip = slipTo("山田花子", "06-6123-4567");
        e.slip.order = {rova::slip::Marketplace::Yahoo, "shop-0001", {}, {}};
        e.trackingNumber = "444413758703";
        rova::store::History(rova::store::Location(f->window()->folder(), m_server, "梱包2")).record(e);
        openWindow();
        const QString out = f->path(QStringLiteral("notices"));
        QVERIFY(QDir().mkpath(out));
        QStringList opened;
        for (int run = 0; run < 2; ++run) {
            Dialogs::answerNextDialog([&](QDialog& dialog) {
                auto* folder = testsupport::control<QLineEdit>(&dialog, "Edit_Folder");
                opened << folder->text();
                if (run == 0) {
                    folder->setText(out);
                } else {
                    Dialogs::answerNextFile(out);
                    testsupport::control<QPushButton>(&dialog, "Button_Browse")->click();
                }
                return int(QDialog::Accepted);
            });
            part<QPushButton>("Button_Notices")->click();
        }
        QCOMPARE(opened, (QStringList{rova::ProgramSettings::defaultFolder(), out}));
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 5);
        QVERIFY2(shown[1].text.startsWith("Yahoo!ショッピング shipping-yahoo-"), qPrintable(shown[1].text));
        QCOMPARE(shown[3].proposed, out); // the folder dialog of the browse button
        QCOMPARE(shown[4].text, "書き出す出荷通知はありません");
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 1);
    }

    void otherStationsPrintsAppear_data() { rova::test::StoreEngines::addRows(); }
    // Another station's prints (on the file: another process's) appear while the window is open: the
    // slips chosen stay chosen, the rows in view stay in view, and at the top of the list the new one
    // is seen.
    void otherStationsPrintsAppear()
    {
        QFETCH(bool, onServer);
        QString why;
        if (onServer && !startOnServer(&why))
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        for (int i = 0; i < 40; ++i)
            record(slipTo(QString("客%1").arg(i), "03-1111-2222", "100-0001", "東京都千代田区"), day(1));
        openWindow();
        m_history->resize(800, 300);
        auto* grid = part<QTableWidget>("Grid_History");
        grid->selectRow(20);
        grid->scrollToItem(grid->item(20, 0), QAbstractItemView::PositionAtTop);
        QVERIFY(grid->verticalScrollBar()->value() > 0);
        const QString inView = grid->item(grid->rowAt(0), 2)->text();
        const auto chosenNames = [&] {
            QStringList names;
            for (const QModelIndex& index : grid->selectionModel()->selectedRows())
                names << grid->item(index.row(), 2)->text();
            return names;
        };

        record(slipTo("鈴木一郎", "03-9999-0000", "100-0001", "東京都千代田区"), day(2));
        QTRY_COMPARE(grid->rowCount(), 41);
        QCOMPARE(shownNames().first(), QString("鈴木一郎"));
        QCOMPARE(chosenNames(), QStringList{"客19"});
        QCOMPARE(grid->item(grid->currentRow(), 2)->text(), QString("客19"));
        QCOMPARE(grid->item(grid->rowAt(0), 2)->text(), inView);

        grid->verticalScrollBar()->setValue(0);
        record(slipTo("佐藤花子", "03-9999-0001", "100-0001", "東京都千代田区"), day(2));
        QTRY_COMPARE(grid->rowCount(), 42);
        QCOMPARE(grid->item(grid->rowAt(0), 2)->text(), QString("佐藤花子"));
        QCOMPARE(chosenNames(), QStringList{"客19"});
    }

    // The server stops and comes back while the window is open: the window says so where the search
    // says what failed, and another station's print shows once the server answers again.
    void serverBackInAnOpenWindow()
    {
        QString why;
        if (!startOnServer(&why))
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        record(slipTo("客1", "03-1111-2222", "100-0001", "東京都千代田区"), day(1));
        openWindow();
        QCOMPARE(shownNames(), QStringList{"客1"});

        PrivatePostgresServer& postgres = *m_engines.server();
        postgres.stop();
        bool stopped = true;
        const auto resume = qScopeGuard([&] {
            if (stopped)
                postgres.resume(&why);
        });
        auto* count = part<QLabel>("Label_Count");
        QTRY_VERIFY_WITH_TIMEOUT(count->text().contains(QStringLiteral("に接続できません")), 15000);
        QVERIFY2(postgres.resume(&why), qPrintable(why));
        stopped = false;
        record(slipTo("鈴木一郎", "03-9999-0000", "100-0001", "東京都千代田区"), day(2));
        QTRY_COMPARE_WITH_TIMEOUT(shownNames(), (QStringList{"鈴木一郎", "客1"}), 25000);
        QCOMPARE(count->text(), QStringLiteral("2 件"));
    }

    void commandsWithNothingChosenSayso()
    {
        openWithThree();
        search(QStringLiteral("名古屋"));
        key(Qt::Key_Return);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"履歴が選択されていません"});
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "test_historywindow.moc"
