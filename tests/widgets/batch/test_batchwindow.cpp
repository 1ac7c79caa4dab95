// SPDX-License-Identifier: GPL-3.0-or-later
// The batch window as the operator uses it: F10 opens it, slips come from the entry window or from
// order files, a row goes to the entry window for correction and back, and the ticked rows print.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/privatepostgrestest.h"
#include "support/sampleslip.h"
#include "support/storeengines.h"
#include "support/testpostal.h"

#include "platform/batch/batchcommand.h"
#include "platform/store/batchlist.h"
#include "rules/files/programsettings.h"
#include "rules/postal/loader.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "widgets/batch/batchmodel.h"
#include "widgets/batch/batchwindow.h"
#include "widgets/entry/postalassist.h"
#include "widgets/kit/dialogs.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <functional>

// A change another process makes to the list in the folder.
using OutsideChange = std::function<void(const rova::store::Location& store, const QList<qint64>& ids)>;
Q_DECLARE_METATYPE(OutsideChange)

// What the operator does while the server is away, or just after it came back.
enum class WhileAway { Nothing, CommandDeclined, CommandAfterReturn };
Q_DECLARE_METATYPE(WhileAway)

using rova::Dialogs;
using rova::print::FakePrintSystem;
using rova::store::Location;
using testsupport::control;

namespace
{
QString sample(const QString& name)
{
    return QStringLiteral(ROVA_TEST_DATA "/orders/") + name;
}

// A job's texts on one page, without the page number, to compare pages of different jobs.
QList<FakePrintSystem::DrawnText> page(const FakePrintSystem::JobRecord& job, int number)
{
    QList<FakePrintSystem::DrawnText> texts;
    for (FakePrintSystem::DrawnText t : job.texts) {
        if (t.page != number)
            continue;
        t.page = 0;
        texts << t;
    }
    return texts;
}

bool sameTexts(const QList<FakePrintSystem::DrawnText>& a, const QList<FakePrintSystem::DrawnText>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].position != b[i].position || a[i].pointSize != b[i].pointSize ||
            a[i].family != b[i].family || a[i].bold != b[i].bold)
            return false;
    }
    return true;
}
} // namespace

class TestBatchWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    rova::test::StoreEngines m_engines;
    QString m_server; // of the window restarted on the private server
    MainWindow* w() const { return f->window(); }
    QWidget* b() const { return m_batch; }
    QWidget* m_batch = nullptr;
    rova::postal::Loaded m_postal;
    QTableView* table() const { return control<QTableView>(b(), QStringLiteral("TableView_Batch")); }
    QAbstractItemModel* model() const { return table()->model(); }
    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QPushButton>(b(), QString::fromLatin1(name)), Qt::LeftButton);
    }
    // The window again with the list on a new database of the private server; false with the reason
    // when the server cannot run here.
    bool restartOnServer(QString* why)
    {
        const std::optional<Location> server = m_engines.fresh(true, f->folder(), why);
        if (!server)
            return false;
        m_server = server->server;
        f.reset();
        f = MainWindowFixture::started(m_server);
        control<QCheckBox>(w(), QStringLiteral("CheckBox_My"))->setChecked(false);
        openBatch();
        return true;
    }
    void openBatch()
    {
        f->key(Qt::Key_F10);
        m_batch = f->forms().batch.get();
        QTRY_VERIFY(m_batch->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_batch));
    }
    // Ctrl+O and the file chosen; the texts of the boxes shown after the file dialog.
    QStringList importFile(const QString& path) const
    {
        Dialogs::takeShown();
        Dialogs::answerNextFile(path);
        QTest::keyClick(b()->windowHandle(), Qt::Key_O, Qt::ControlModifier);
        QStringList texts;
        for (const Dialogs::Shown& shown : Dialogs::takeShown()) {
            if (shown.kind != Dialogs::Kind::OpenFile)
                texts << shown.text;
        }
        return texts;
    }
    void typeIntoMain(const char* name, const QString& text) const
    {
        QLineEdit* edit = control<QLineEdit>(w(), QString::fromLatin1(name));
        f->focus(edit);
        MainWindowFixture::commitText(edit, text);
    }
    // The codes of a row's marks as the list keeps them.
    QStringList markCodes(int row) const
    {
        QStringList codes;
        for (const rova::store::BatchMark& m : rova::store::BatchList(w()->folder()).rows().value(row).marks)
            codes << m.code;
        return codes;
    }
    // A file of our own format with one slip of the first slip type.
    QString ownFile(const QString& zip, const QString& add1) const
    {
        f->writeFile(QStringLiteral("slip.csv"),
                     QStringLiteral("送り状種類,郵便番号,おところ①,おなまえ,でんわ,品名1,個数\r\n"
                                    "%1,%2,%3,山田　太郎,03-1234-5678,書籍,1\r\n")
                         .arg(rova::slip::slipTypes()[0], zip, add1)
                         .toUtf8());
        return f->path(QStringLiteral("slip.csv"));
    }
    // Dragged from a file manager and let go over the list.
    void drop(const QList<QUrl>& urls) const
    {
        QMimeData mime;
        mime.setUrls(urls);
        QWidget* target = table()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }

private slots:
    void initTestCase()
    {
        MainWindowFixture::installFakePrinter();
        m_postal = testsupport::loadTestPostal();
        QVERIFY2(m_postal.index, qPrintable(m_postal.status));
    }
    void init()
    {
        m_server.clear();
        f = MainWindowFixture::started();
        // Rows take the window's sender; the started window's is empty, so it is not printed here.
        control<QCheckBox>(w(), QStringLiteral("CheckBox_My"))->setChecked(false);
        openBatch();
    }
    void cleanup() { f.reset(); }

    void f10IsBoundAndOpensTheWindow()
    {
        QCOMPARE(control<QPushButton>(w(), QStringLiteral("SpeedButton_F10"))->text(),
                 QStringLiteral("一括"));
        QCOMPARE(model()->columnCount(), 13);
        QCOMPARE(model()->rowCount(), 0);
        // Esc closes it as it closes the history and the preview; F10 brings it back.
        QTest::keyClick(b()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!b()->isVisible());
        openBatch();
    }

    void slipFromTheMainWindowBecomesARowAndComesBackCorrected()
    {
        typeIntoMain("Edit_Custo1", QStringLiteral("山田　太郎"));
        typeIntoMain("Edit_Add1", QStringLiteral("東京都港区芝公園１－２－３"));
        typeIntoMain("Edit_G1", QStringLiteral("書籍"));
        click("Button_Add");
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(cell(0, BatchModel::Name), QStringLiteral("山田　太郎"));
        // No postal code and no telephone: the row is marked, the tooltip says why.
        const QString tip = model()->index(0, BatchModel::Marks).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(QStringLiteral("でんわがありません")), qPrintable(tip));

        f->focus(control<QLineEdit>(w(), QStringLiteral("Edit_Custo1")));
        control<QLineEdit>(w(), QStringLiteral("Edit_Custo1"))->clear();
        b()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b()));
        table()->setFocus();
        table()->setCurrentIndex(model()->index(0, BatchModel::SlipType));
        QTest::keyClick(b()->windowHandle(), Qt::Key_Return);
        QTRY_COMPARE(control<QLineEdit>(w(), QStringLiteral("Edit_Custo1"))->text(),
                     QStringLiteral("山田　太郎"));

        control<QLineEdit>(w(), QStringLiteral("Edit_Custo1"))->clear();
        typeIntoMain("Edit_Custo1", QStringLiteral("山田　次郎"));
        typeIntoMain("Edit_Zip", QStringLiteral("105-0011"));
        typeIntoMain("Edit_tel", QStringLiteral("03-1234-5678"));
        click("Button_Back");
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(cell(0, BatchModel::Name), QStringLiteral("山田　次郎"));
        QCOMPARE(cell(0, BatchModel::Zip), QStringLiteral("105-0011"));
        QCOMPARE(model()->index(0, BatchModel::Marks).data(Qt::ToolTipRole).toString(), QString());
    }

    void writeBackWithoutALoadedRowSaysSo()
    {
        click("Button_Back");
        QCOMPARE(MainWindowFixture::shownTexts(),
                 QStringList{QStringLiteral(
                     "戻す行がありません。先に行を Enter かダブルクリックで開いてください。")});
    }

    void rowsAreTickedDeletedAndRetyped()
    {
        importFile(sample(QStringLiteral("own.utf8.csv")));
        const int rows = model()->rowCount();
        QVERIFY(rows >= 2);
        table()->selectRow(0);
        click("Button_Untick");
        QCOMPARE(model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        auto* type = control<QComboBox>(b(), QStringLiteral("ComboBox_SlipType"));
        type->setCurrentIndex(type->findText(cell(0, BatchModel::SlipType)) == 5 ? 4 : 5);
        click("Button_SlipType");
        QVERIFY(cell(0, BatchModel::SlipType) != type->currentText());
        for (int r = 1; r < rows; ++r)
            QCOMPARE(cell(r, BatchModel::SlipType), type->currentText());

        table()->selectRow(0);
        Dialogs::answerNext(true);
        click("Button_Delete");
        QCOMPARE(MainWindowFixture::shownTexts().value(0),
                 QStringLiteral("選んだ 1 行を一覧から削除しますか?"));
        QCOMPARE(model()->rowCount(), rows - 1);
    }

    void importingTheSameFileAgainNamesTheDuplicatesAndOffersThem_data()
    {
        QTest::addColumn<bool>("allow");
        QTest::newRow("no: duplicates left out") << false;
        QTest::newRow("yes: added anyway") << true;
    }
    void importingTheSameFileAgainNamesTheDuplicatesAndOffersThem()
    {
        QFETCH(bool, allow);
        // One order of the sample goes to two destinations: two parcels, not a duplicate.
        QCOMPARE(importFile(sample(QStringLiteral("rakuten.cp932.csv"))), QStringList());
        QCOMPARE(model()->rowCount(), 5);
        Dialogs::answerNext(allow);
        const QStringList shown = importFile(sample(QStringLiteral("rakuten.utf8.csv")));
        const QString names = QStringLiteral("100001、100002、100003、100004、100004");
        QCOMPARE(shown,
                 QStringList{QStringLiteral("rakuten.utf8.csv\n次の 5 行は重複するため除きました:\n%1\n"
                                            "重複していても追加しますか?")
                                 .arg(names)});
        QCOMPARE(model()->rowCount(), allow ? 10 : 5);
        const QString status = control<QLabel>(b(), QStringLiteral("Label_Status"))->text();
        QVERIFY2(status.contains(allow ? QStringLiteral("(重複していた行 5 を含む")
                                       : QStringLiteral("重複で除いた行: ") + names),
                 qPrintable(status));
    }

    void brokenFileNamesFileAndLineAndAddsNothing()
    {
        f->writeFile(
            QStringLiteral("broken.csv"),
            QByteArray("受注番号,送付先郵便番号1,送付先郵便番号2,送付先姓\r\n1,105,0011,\"山田\r\n"));
        const QStringList shown = importFile(f->path(QStringLiteral("broken.csv")));
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QStringLiteral("broken.csv")) && shown[0].contains(u'2'),
                 qPrintable(shown[0]));
        QCOMPARE(model()->rowCount(), 0);
    }

    void unknownHeaderAsksForAMappingOnceAndRemembersIt()
    {
        f->writeFile(QStringLiteral("shop.csv"),
                     QStringLiteral("宛名,住所,電話,郵便\r\n"
                                    "鈴木　一郎,大阪府大阪市北区梅田１,06-1111-2222,530-0001\r\n")
                         .toUtf8());
        int asked = 0;
        Dialogs::answerNextDialog([&asked](QDialog& dialog) {
            ++asked;
            const auto choose = [&](const char* field, int column) {
                control<QComboBox>(&dialog, QStringLiteral("ComboBox_") + QLatin1String(field))
                    ->setCurrentIndex(column);
            };
            choose("name", 1);
            choose("add1", 2);
            choose("tel", 3);
            choose("zip", 4);
            return int(QDialog::Accepted);
        });
        importFile(f->path(QStringLiteral("shop.csv")));
        QCOMPARE(asked, 1);
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(cell(0, BatchModel::Name), QStringLiteral("鈴木　一郎"));
        QCOMPARE(cell(0, BatchModel::Zip), QStringLiteral("530-0001"));

        // The second file with that header imports without asking (a duplicate question only).
        Dialogs::takeShown();
        Dialogs::answerNext(true);
        importFile(f->path(QStringLiteral("shop.csv")));
        QCOMPARE(asked, 1);
        QCOMPARE(model()->rowCount(), 2);
    }

    void importedRowsAreMarkedAndCorrectedRowsNoLonger_data()
    {
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("add1");
        QTest::addColumn<bool>("dictionary");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("field"); // corrected in the entry window and written back
        QTest::addColumn<QString>("corrected");
        const QString shiba = QStringLiteral("東京都港区芝公園１－２－３");
        QTest::newRow("ordinary row") << "105-0011" << shiba << true << QStringList() << ""
                                      << ""
                                      << "";
        QTest::newRow("address line running into the items (no number or blank to cut it at)")
            << "105-0011" << QStringLiteral("港区芝公園芝公園ハイツ東京タワー前通り側南向き角部屋") << true
            << QStringList{"address1Long", "overlap"}
            << "文字が隣の欄に重なります: おところ① が 品名 に重なります"
            << "Edit_Add1" << shiba;
        QTest::newRow("address too long for ①: cut into ① and ②")
            << "105-0011" << shiba + QStringLiteral("　芝公園ハイツ１０１号室") << true << QStringList() << ""
            << ""
            << "";
        QTest::newRow("postal code of another place")
            << "105-0011" << QStringLiteral("北海道札幌市中央区北一条西２丁目") << true
            << QStringList{"zipMismatch"}
            << "郵便番号と住所が合いません: 郵便番号 105-0011 は 東京都港区芝公園 です"
            << "Edit_Add1" << shiba;
        QTest::newRow("postal code not in the dictionary")
            << "999-9999" << shiba << true << QStringList{"zipMismatch"}
            << "郵便番号 999-9999 は 郵便番号の一覧にありません"
            << "Edit_Zip"
            << "105-0011";
        QTest::newRow("no dictionary loaded: no postal check")
            << "105-0011" << QStringLiteral("北海道札幌市中央区北一条西２丁目") << false << QStringList()
            << ""
            << ""
            << "";
    }
    void importedRowsAreMarkedAndCorrectedRowsNoLonger()
    {
        QFETCH(QString, zip);
        QFETCH(QString, add1);
        QFETCH(bool, dictionary);
        QFETCH(QStringList, codes);
        QFETCH(QString, tip);
        QFETCH(QString, field);
        QFETCH(QString, corrected);
        if (dictionary)
            f->forms().postal->use(m_postal);
        QCOMPARE(importFile(ownFile(zip, add1)), QStringList());
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(markCodes(0), codes);
        const QString shown = model()->index(0, BatchModel::Marks).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.isEmpty() ? shown.isEmpty() : shown.contains(tip), qPrintable(shown));
        // The current row's reasons are also written under the table.
        table()->setCurrentIndex(model()->index(0, BatchModel::Name));
        const QLabel* reasons = control<QLabel>(b(), QStringLiteral("Label_RowMarks"));
        QCOMPARE(reasons->text(), shown);
        QCOMPARE(reasons->isVisible(), !shown.isEmpty());
        if (field.isEmpty())
            return;

        table()->setCurrentIndex(model()->index(0, BatchModel::SlipType));
        click("Button_Load");
        control<QLineEdit>(w(), field)->clear();
        typeIntoMain(qPrintable(field), corrected);
        click("Button_Back");
        QCOMPARE(markCodes(0), QStringList());
        QCOMPARE(model()->index(0, BatchModel::Marks).data(Qt::ToolTipRole).toString(), QString());
    }

    void markColumnStaysInViewBesideLongValues()
    {
        const QString item = QStringLiteral("とても長い品名の商品").repeated(6);
        f->writeFile(QStringLiteral("long.csv"),
                     QStringLiteral("送り状種類,郵便番号,おところ①,おなまえ,でんわ,品名1,個数\r\n"
                                    "%1,999-9999,東京都港区芝公園１－２－３,山田　太郎,03-1234-5678,%2,1\r\n")
                         .arg(rova::slip::slipTypes()[0], item)
                         .toUtf8());
        importFile(f->path(QStringLiteral("long.csv")));
        QCOMPARE(model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("確認"));
        b()->resize(700, 400);
        QVERIFY(table()->columnWidth(BatchModel::Item1) < table()->viewport()->width() / 2);
        QCOMPARE(model()->index(0, BatchModel::Item1).data(Qt::ToolTipRole).toString(), item);
        const QRect marks = table()->visualRect(model()->index(0, BatchModel::Marks));
        QVERIFY(table()->viewport()->rect().contains(marks));
    }

    void f11WithMarkedRowsAsksWithNoByDefault_data()
    {
        QTest::addColumn<QString>("add1");
        QTest::addColumn<QStringList>("reasons");
        const QString shiba = QStringLiteral("東京都港区芝公園１－２－３");
        QTest::newRow("no marks: Enter prints") << shiba << QStringList();
        QTest::newRow("marked: Enter does not print")
            << QStringLiteral("港区芝公園芝公園ハイツ東京タワー前通り側南向き角部屋")
            << QStringList{"確認の印がある送り状が 1 枚あります:", "・文字が隣の欄に重なります (1 枚)",
                           "・警告:おところ①の文字数が多すぎます。　おところ②へ分割してください (1 枚)"};
    }
    void f11WithMarkedRowsAsksWithNoByDefault()
    {
        QFETCH(QString, add1);
        QFETCH(QStringList, reasons);
        importFile(ownFile(QStringLiteral("105-0011"), add1));
        Dialogs::takeShown();
        QTest::keyClick(b()->windowHandle(), Qt::Key_F11);
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text.split(u'\n'), QStringList{"1 枚を印刷しますか?"} + reasons);
        QCOMPARE(shown[0].noByDefault, !reasons.isEmpty());
        QCOMPARE(cell(0, BatchModel::Status), QStringLiteral("未印刷"));
    }

    void importsKeepALinePerFileWhileTheWindowIsOpen()
    {
        auto* log = control<QPlainTextEdit>(b(), QStringLiteral("TextEdit_ImportLog"));
        auto* hint = control<QLabel>(b(), QStringLiteral("Label_EmptyHint"));
        QVERIFY(hint->isVisible());
        QVERIFY(hint->text().contains(QStringLiteral("Ctrl+O")));
        QVERIFY(!log->isVisible());
        drop({QUrl::fromLocalFile(sample(QStringLiteral("amazon.utf8.txt"))),
              QUrl::fromLocalFile(f->path(QStringLiteral("missing.csv"))),
              QUrl::fromLocalFile(sample(QStringLiteral("yahoo.utf8.csv")))});
        const QStringList lines = log->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QStringLiteral("amazon.utf8.txt: ")) &&
                     lines[0].contains(QStringLiteral("行を追加しました")),
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], QStringLiteral("missing.csv: 取り込めませんでした。"));
        QVERIFY2(lines[2].startsWith(QStringLiteral("yahoo.utf8.csv: ")), qPrintable(lines[2]));
        QVERIFY(log->isVisible());
        QVERIFY(!hint->isVisible());

        QTest::keyClick(b()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!b()->isVisible());
        openBatch();
        QCOMPARE(log->toPlainText(), QString());
        QVERIFY(!log->isVisible());
    }

    void rowsFromOutsideGetTheirWidths()
    {
        const int before = table()->columnWidth(BatchModel::Name);
        rova::store::BatchRow row;
        row.slip.name = QStringLiteral("山田　太郎左衛門之助");
        rova::store::BatchList(w()->folder()).add({row});
        QTRY_COMPARE(model()->rowCount(), 1);
        QVERIFY(table()->columnWidth(BatchModel::Name) > before);
    }

    void fileDialogsOpenWhereTheLastFileOfTheirKindWas()
    {
        const auto opened = [] {
            QStringList folders;
            for (const Dialogs::Shown& shown : Dialogs::takeShown()) {
                if (shown.kind == Dialogs::Kind::OpenFile || shown.kind == Dialogs::Kind::SaveFile)
                    folders << shown.proposed;
            }
            return folders;
        };
        const QString home = rova::ProgramSettings::defaultFolder();
        Dialogs::takeShown();
        importFile(sample(QStringLiteral("amazon.utf8.txt")));
        Dialogs::answerNextFile(QString());
        QTest::keyClick(b()->windowHandle(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(opened(), QStringList{QStringLiteral(ROVA_TEST_DATA "/orders")});
        // The list's export is a kind of its own.
        Dialogs::answerNextFile(QString());
        b()->findChild<QAction*>(QStringLiteral("Action_Export"))->trigger();
        QCOMPARE(opened(), QStringList{QDir(home).filePath(QStringLiteral("batch.csv"))});
        // Kept in the data folder's settings: the same after a restart.
        f->restart();
        openBatch();
        Dialogs::takeShown();
        Dialogs::answerNextFile(QString());
        QTest::keyClick(b()->windowHandle(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(opened(), QStringList{QStringLiteral(ROVA_TEST_DATA "/orders")});
    }

    void anotherSlipTypeChecksTheRowsAgain()
    {
        // A long second address line has room on the delivery-date form, not on the standard form.
        f->writeFile(
            QStringLiteral("slip.csv"),
            QStringLiteral("送り状種類,郵便番号,おところ①,おところ②,おなまえ,でんわ,品名1,個数\r\n"
                           "%1,105-0011,東京都港区芝公園１－２－３,%2,山田　太郎,03-1234-5678,書籍,1\r\n")
                .arg(rova::slip::slipTypes()[4], QString(20, QChar(0x3042)))
                .toUtf8());
        importFile(f->path(QStringLiteral("slip.csv")));
        QCOMPARE(markCodes(0), QStringList());
        auto* type = control<QComboBox>(b(), QStringLiteral("ComboBox_SlipType"));
        type->setCurrentIndex(0);
        click("Button_SlipType");
        QCOMPARE(markCodes(0), QStringList{"overlap"});
        type->setCurrentIndex(4);
        click("Button_SlipType");
        QCOMPARE(markCodes(0), QStringList());
    }

    void droppedFilesAreImported_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("error"); // what the error names; empty when the file imports
        QTest::newRow("order file") << QList<QUrl>{QUrl::fromLocalFile(
                                           sample(QStringLiteral("amazon.utf8.txt")))}
                                    << "";
        QTest::newRow("web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.com/orders.csv"))}
                                     << "https://example.com/orders.csv";
        const QString missing = QStringLiteral(ROVA_TEST_DATA "/orders/missing.csv");
        QTest::newRow("file that is not there") << QList<QUrl>{QUrl::fromLocalFile(missing)} << missing;
        const QString folder = QStringLiteral(ROVA_TEST_DATA "/orders");
        QTest::newRow("folder") << QList<QUrl>{QUrl::fromLocalFile(folder)} << folder;
    }
    void droppedFilesAreImported()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, error);
        Dialogs::takeShown();
        drop(urls);
        const QStringList shown = MainWindowFixture::shownTexts();
        if (error.isEmpty()) {
            QCOMPARE(shown, QStringList());
            QVERIFY(model()->rowCount() > 0);
            return;
        }
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(error), qPrintable(shown[0]));
        QCOMPARE(model()->rowCount(), 0);
    }

    void batchPagesAreWhatF11PrintsForTheSameSlip()
    {
        importFile(sample(QStringLiteral("yahoo.utf8.csv")));
        const int rows = model()->rowCount();
        QVERIFY(rows >= 2);
        const qsizetype before = MainWindowFixture::fakePrinter().jobs().size();
        Dialogs::answerNext(true);
        QTest::keyClick(b()->windowHandle(), Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts().value(0).section(u'\n', 0, 0),
                 QStringLiteral("%1 枚を印刷しますか?").arg(rows));
        const QList<FakePrintSystem::JobRecord> jobs = MainWindowFixture::fakePrinter().jobs();
        QCOMPARE(jobs.size(), before + 1); // one printer: one job
        const FakePrintSystem::JobRecord batchJob = jobs.last();
        QCOMPARE(batchJob.pages, rows);
        for (int r = 0; r < rows; ++r) {
            QCOMPARE(cell(r, BatchModel::Status), QStringLiteral("印刷済"));
            QVERIFY(model()->index(r, BatchModel::SlipType).data(Qt::ForegroundRole).isValid());
        }

        for (int r = 0; r < rows; ++r) {
            table()->setCurrentIndex(model()->index(r, BatchModel::SlipType));
            click("Button_Load");
            Dialogs::answerNext(true);
            QTest::mouseClick(control<QPushButton>(w(), QStringLiteral("SpeedButton_F11")), Qt::LeftButton);
            const FakePrintSystem::JobRecord single = MainWindowFixture::fakePrinter().jobs().last();
            QVERIFY2(sameTexts(page(batchJob, r), page(single, 0)),
                     qPrintable(QStringLiteral("page %1").arg(r + 1)));
        }
    }

    void printedRowsAreNotPrintedAgain()
    {
        importFile(sample(QStringLiteral("carrier.utf8.csv")));
        Dialogs::answerNext(true);
        click("Button_Print");
        Dialogs::takeShown();
        click("Button_Print");
        QCOMPARE(MainWindowFixture::shownTexts(),
                 QStringList{
                     QStringLiteral("印刷する行がありません。印刷済みでない行にチェックを付けてください。")});
    }

    // A row another station is printing says which and since when; "解除" frees it only when the
    // operator confirms, having been told the risk.
    void rowOfAnotherStationIsShownAndReleasedOnConfirmation_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed: freed") << true;
        QTest::newRow("declined: still held") << false;
    }
    void rowOfAnotherStationIsShownAndReleasedOnConfirmation()
    {
        QFETCH(bool, confirm);
        QList<rova::store::BatchRow> made(2);
        const QList<qint64> ids = rova::store::BatchList(w()->folder()).add(made);
        rova::store::BatchList(rova::store::Location(w()->folder(), {}, QStringLiteral("梱包2")))
            .claim({ids[1]});
        QTRY_VERIFY(cell(1, BatchModel::Status).startsWith(QStringLiteral("梱包2 が印刷中 (")));
        const QDateTime since = rova::store::BatchList(w()->folder()).rows()[1].claimedAt;
        QCOMPARE(cell(1, BatchModel::Status),
                 QStringLiteral("梱包2 が印刷中 (%1 から)").arg(since.toString("HH:mm")));
        QCOMPARE(model()->index(1, BatchModel::Status).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("梱包2 が %1 から印刷中です。%2 に解除されます。")
                     .arg(since.toString("HH:mm"), since.addSecs(600).toString("HH:mm")));
        QCOMPARE(cell(0, BatchModel::Status), QStringLiteral("未印刷"));

        // On the rows' own menu as well as in the window's.
        auto* release = b()->findChild<QAction*>(QStringLiteral("Action_Release"));
        QVERIFY(release && table()->actions().contains(release));
        table()->selectRow(0);
        release->trigger();
        QCOMPARE(MainWindowFixture::shownTexts(),
                 QStringList{QStringLiteral("選んだ行を印刷中の端末はありません。")});

        table()->selectAll();
        Dialogs::answerNext(confirm);
        release->trigger();
        QCOMPARE(MainWindowFixture::shownTexts().value(0),
                 QStringLiteral("1 行を 梱包2 が印刷中です。解除しますか?\n"
                                "梱包2 がまだ印刷していると、同じ送り状が二度印刷されることがあります。"));
        QCOMPARE(rova::store::BatchList(w()->folder()).rows()[1].claimedBy,
                 confirm ? QString() : QStringLiteral("梱包2"));
        QCOMPARE(cell(1, BatchModel::Status).startsWith(QStringLiteral("梱包2 が印刷中")), !confirm);
    }

    void printSaysWhatAnotherStationTook_data()
    {
        QTest::addColumn<bool>("onServer");
        QTest::addColumn<int>("heldByOther");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("status");
        const QString taken = QStringLiteral("1 枚は他の端末が印刷中か印刷済みのため除きました。");
        for (const bool onServer : {false, true}) {
            const char* engine = onServer ? "PostgreSQL" : "SQLite";
            QTest::addRow("%s: none held", engine) << onServer << 0 << QStringLiteral("3 枚を印刷しますか?")
                                                   << QStringLiteral("3 枚を印刷しました。");
            QTest::addRow("%s: one held", engine)
                << onServer << 1 << "2 枚を印刷しますか?\n" + taken << QStringLiteral("2 枚を印刷しました。");
            QTest::addRow("%s: all held", engine)
                << onServer << 3 << QString()
                << "印刷する行がありません。印刷済みでない行にチェックを付けてください。\n"
                   "3 枚は他の端末が印刷中か印刷済みのため除きました。";
        }
    }
    // Rows another station is printing are left to it: the question counts only the others and says
    // what is left, as the outcome does.
    void printSaysWhatAnotherStationTook()
    {
        QFETCH(bool, onServer);
        QFETCH(int, heldByOther);
        QFETCH(QString, question);
        QFETCH(QString, status);
        QString why;
        if (onServer && !restartOnServer(&why))
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const Location other(w()->folder(), m_server, QStringLiteral("梱包2"));
        QList<rova::store::BatchRow> made(3);
        for (rova::store::BatchRow& row : made)
            row.slip = rova::test::sampleSlip();
        const QList<qint64> ids = rova::store::BatchList(other).add(made);
        rova::store::BatchList(other).claim(ids.mid(3 - heldByOther));
        QTRY_COMPARE(model()->rowCount(), 3);
        QTRY_COMPARE(cell(2, BatchModel::Status).startsWith(QStringLiteral("梱包2")), heldByOther > 0);
        Dialogs::takeShown();
        Dialogs::answerNext(true);
        click("Button_Print");
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.value(0).text, question.isEmpty() ? status : question);
        if (question.isEmpty())
            return;
        QCOMPARE(control<QLabel>(b(), QStringLiteral("Label_Status"))->text(), status);
        if (heldByOther > 0)
            QCOMPARE(cell(2, BatchModel::Status).section(u' ', 0, 1), QStringLiteral("梱包2 が印刷中"));
    }

    void outsideChangeKeepsSelectionAndPlace_data()
    {
        QTest::addColumn<bool>("onServer");
        QTest::addColumn<OutsideChange>("change");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<QStringList>("chosenAfter");
        const QStringList chosen{"客10", "客11", "客12"};
        const OutsideChange untick = [](const Location& store, const QList<qint64>& ids) {
            rova::store::BatchList(store).setTicked({ids[0], ids[11]}, false);
        };
        const OutsideChange remove = [](const Location& store, const QList<qint64>& ids) {
            rova::store::BatchList(store).remove({ids[0], ids[11]});
        };
        const OutsideChange import = [](const Location& store, const QList<qint64>&) {
            rova::cli::Request request;
            request.action = rova::cli::Request::Action::Batch;
            request.importFiles = {sample(QStringLiteral("own.utf8.csv"))};
            request.allowDuplicates = true;
            request.zipcodeDir = testsupport::testPostalFolder();
            QCOMPARE(rova::cli::runBatch(request, store), 0);
        };
        // On the server the other station's change is told at once, on the file the window reads
        // its revision each second.
        for (const bool onServer : {false, true}) {
            const char* engine = onServer ? "PostgreSQL" : "SQLite";
            QTest::addRow("%s: rows unticked", engine) << onServer << untick << 30 << chosen;
            QTest::addRow("%s: rows deleted before and among the chosen", engine)
                << onServer << remove << 28 << QStringList{"客10", "客12"};
            QTest::addRow("%s: import from the command line", engine) << onServer << import << 33 << chosen;
        }
    }
    void outsideChangeKeepsSelectionAndPlace()
    {
        QFETCH(bool, onServer);
        QFETCH(OutsideChange, change);
        QFETCH(int, rowsAfter);
        QFETCH(QStringList, chosenAfter);
        QString why;
        if (onServer && !restartOnServer(&why))
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        // Another station's connection, or the command line's on the same file.
        const Location other(w()->folder(), m_server, QStringLiteral("梱包2"));
        QList<rova::store::BatchRow> made(30);
        for (int i = 0; i < made.size(); ++i)
            made[i].slip.name = QStringLiteral("客%1").arg(i);
        const QList<qint64> ids = rova::store::BatchList(other).add(made);
        QTRY_COMPARE(model()->rowCount(), 30);
        b()->resize(600, 240);
        table()->selectRow(10);
        table()->selectionModel()->select(
            QItemSelection(model()->index(11, 0), model()->index(12, model()->columnCount() - 1)),
            QItemSelectionModel::Select);
        table()->selectionModel()->setCurrentIndex(model()->index(12, 0), QItemSelectionModel::NoUpdate);
        table()->scrollTo(model()->index(12, 0), QAbstractItemView::PositionAtTop);
        const int scrolled = table()->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        QSignalSpy reset(model(), &QAbstractItemModel::modelReset);
        QSignalSpy changed(model(), &QAbstractItemModel::dataChanged);
        QSignalSpy removed(model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(model(), &QAbstractItemModel::rowsInserted);

        change(other, ids);
        // The window looks again within a second; one look takes in the whole change.
        QTRY_VERIFY(changed.count() + removed.count() + inserted.count() > 0);
        QCOMPARE(reset.count(), 0);
        const QList<rova::store::BatchRow> rows = rova::store::BatchList(other).rows();
        QCOMPARE(model()->rowCount(), rowsAfter);
        for (int r = 0; r < rows.size(); ++r) {
            QCOMPARE(cell(r, BatchModel::Name), rows[r].slip.name);
            QCOMPARE(model()->index(r, 0).data(Qt::CheckStateRole).toInt(),
                     int(rows[r].ticked ? Qt::Checked : Qt::Unchecked));
        }
        QStringList chosen;
        for (const QModelIndex& r : table()->selectionModel()->selectedRows())
            chosen << cell(r.row(), BatchModel::Name);
        chosen.sort();
        QCOMPARE(chosen, chosenAfter);
        QCOMPARE(cell(table()->currentIndex().row(), BatchModel::Name), "客12");
        QCOMPARE(table()->verticalScrollBar()->value(), scrolled);
    }

    // A station pointed at a server that does not answer: F10 names it, and the operator may try
    // again without reopening the window.
    void serverAwayIsNamedAndOffersToTryAgain()
    {
        f.reset();
        f = MainWindowFixture::started(QStringLiteral("postgresql:///shop?host=/nonexistent/rova-no-server"));
        Dialogs::takeShown();
        Dialogs::answerNext(true);
        Dialogs::answerNext(false);
        f->key(Qt::Key_F10);
        QVERIFY(!f->forms().batch->isVisible());
        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 2);
        for (const Dialogs::Shown& box : shown) {
            QVERIFY2(box.text.contains(QStringLiteral("データベースサーバー postgresql:///shop")) &&
                         box.text.endsWith(QStringLiteral("もう一度接続しますか?")),
                     qPrintable(box.text));
        }
    }

    void serverBackInAnOpenWindow_data()
    {
        QTest::addColumn<WhileAway>("whileAway");
        QTest::newRow("waits") << WhileAway::Nothing;
        QTest::newRow("unticks while away, declines to try again") << WhileAway::CommandDeclined;
        QTest::newRow("unticks at once when it is back") << WhileAway::CommandAfterReturn;
    }
    // The server stops and comes back while the window is open: the window says it is away, and once
    // it answers again the window shows what other stations changed, without being reopened.
    void serverBackInAnOpenWindow()
    {
        QFETCH(WhileAway, whileAway);
        QString why;
        if (!restartOnServer(&why))
            PRIVATE_POSTGRES_UNAVAILABLE(why);
        const Location other(w()->folder(), m_server, QStringLiteral("梱包2"));
        QList<rova::store::BatchRow> made(2);
        for (int i = 0; i < made.size(); ++i)
            made[i].slip.name = QStringLiteral("客%1").arg(i);
        rova::store::BatchList(other).add(made);
        QTRY_COMPARE(model()->rowCount(), 2);
        table()->selectRow(0);

        PrivatePostgresServer& server = *m_engines.server();
        server.stop();
        bool stopped = true;
        const auto resume = qScopeGuard([&] {
            if (stopped)
                server.resume(&why);
        });
        const auto named = [](const QString& text) {
            return text.startsWith(QStringLiteral("データベースサーバー postgresql:///")) &&
                   text.contains(QStringLiteral("に接続できません"));
        };
        QLabel* status = control<QLabel>(b(), QStringLiteral("Label_Status"));
        QTRY_VERIFY_WITH_TIMEOUT(named(status->text()), 15000);
        if (whileAway == WhileAway::CommandDeclined) {
            Dialogs::takeShown();
            Dialogs::answerNext(false);
            click("Button_Untick");
            const QList<Dialogs::Shown> shown = Dialogs::takeShown();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(named(shown[0].text) && shown[0].text.endsWith(QStringLiteral("もう一度接続しますか?")),
                     qPrintable(shown[0].text));
        }
        QVERIFY2(server.resume(&why), qPrintable(why));
        stopped = false;
        if (whileAway == WhileAway::CommandAfterReturn) {
            Dialogs::takeShown();
            click("Button_Untick");
            QCOMPARE(Dialogs::takeShown().size(), 0);
            QVERIFY(!rova::store::BatchList(other).rows()[0].ticked);
            QCOMPARE(model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        }

        rova::store::BatchList(other).add({made[0]});
        QTRY_COMPARE_WITH_TIMEOUT(model()->rowCount(), 3, 25000);
        QVERIFY2(!named(status->text()), qPrintable(status->text()));
        QCOMPARE(table()->currentIndex().row(), 0);
    }

    // The window's own tick is taken in without reading the rows again; a change made elsewhere just
    // before, which the window has not seen yet, is read then as well.
    void ownTickAfterAnUnseenOutsideChangeShowsBoth()
    {
        QList<rova::store::BatchRow> made(3);
        for (int i = 0; i < made.size(); ++i)
            made[i].slip.name = QStringLiteral("客%1").arg(i);
        const QList<qint64> ids = rova::store::BatchList(w()->folder()).add(made);
        QTRY_COMPARE(model()->rowCount(), 3);
        rova::store::BatchList(w()->folder()).remove({ids[1]});
        table()->selectRow(0);
        click("Button_Untick");
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(cell(1, BatchModel::Name), "客2");
        QCOMPARE(model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void theListSurvivesARestart()
    {
        importFile(sample(QStringLiteral("amazon.utf8.txt")));
        const int rows = model()->rowCount();
        QVERIFY(rows > 0);
        f->restart();
        Dialogs::takeShown();
        openBatch();
        QCOMPARE(model()->rowCount(), rows);
    }
};

QTEST_MAIN(TestBatchWindow)
#include "test_batchwindow.moc"
