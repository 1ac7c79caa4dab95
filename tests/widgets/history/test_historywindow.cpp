// The history window as the operator uses it: F8 opens it on the newest slips, typing narrows them in
// either width, and Enter, F11, Delete and Esc load, reprint, delete and close; a reprint draws what
// the first print drew, and an export reads back through the batch import as the same slips.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "platform/store/history.h"
#include "rules/orders/orderimport.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "support/sampleslip.h"
#include "support/slipvaluestext.h"
#include "widgets/history/historywindow.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

    void record(const SlipValues& slip, const QDateTime& at)
    {
        HistoryEntry e;
        e.printedAt = at;
        e.slip = slip;
        rova::store::History(f->window()->folder()).record(e);
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
    void search(const QString& text)
    {
        part<QLineEdit>("Edit_Search")->clear();
        MainWindowFixture::commitText(part<QLineEdit>("Edit_Search"), text);
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
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
        record(full, day(4));
        record(slipTo("山田花子", "06-6123-4567", "530-0001", "大阪府大阪市北区", "梅田ビル"), day(5));
        openWindow();
        auto* grid = part<QTableWidget>("Grid_History");
        grid->setFocus();
        key(Qt::Key_A, Qt::ControlModifier);
        const QString path = f->path(QStringLiteral("out.csv"));
        Dialogs::answerNextFile(path);
        part<QPushButton>("Button_Export")->click();

        const rova::orders::OrderImport back =
            rova::orders::importOrders(rova::orders::readOrderFile(path), {SlipValues(), QDate(2024, 1, 1)});
        QCOMPARE(back.slips.size(), 2);
        QCOMPARE(back.slips[0].values.name, QStringLiteral("山田花子"));
        QCOMPARE(back.slips[1].values, full);
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
