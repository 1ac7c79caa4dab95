// SPDX-License-Identifier: GPL-3.0-or-later
// The preview as the operator uses it: F9 opens the current slip, F11 there asks the same question
// and prints, F12 prints the alignment sheet, Esc closes; the entry window's question names values
// that run into each other, and the status line tells when a job was accepted, never when refused.
// A scan of the blank form is chosen, moved with the keys and the mouse, kept and taken away; one that
// cannot be read is named and leaves the marks.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "rules/errors.h"
#include "rules/files/programsettings.h"
#include "support/fakeprintsystem.h"
#include "widgets/kit/dialogs.h"
#include "widgets/preview/previewwindow.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>

using rova::Dialogs;
using rova::print::FakePrintSystem;

class TestPreview : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    MainWindow* w() const { return f->window(); }

    PreviewWindow* preview() const { return f->forms().preview.get(); }
    void type(QLineEdit* edit, const QString& text) const
    {
        f->focus(edit);
        MainWindowFixture::commitText(edit, text);
    }
    const FakePrintSystem::JobRecord& lastJob() const
    {
        return MainWindowFixture::fakePrinter().jobs().last();
    }
    // A white form two inches square at 200 dpi, "form.png" in the data folder.
    QString writeForm() const
    {
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(f->path("form.png"));
        return f->path("form.png");
    }
    rova::slip::FormScan keptScan() const
    {
        return rova::ProgramSettings(w()->folder()).formScan(w()->slipValues().slipType);
    }
    // F9, then "用紙の画像…" with the file given to the file dialog.
    PreviewWindow* chooseScan(const QString& path) const
    {
        f->key(Qt::Key_F9);
        PreviewWindow* p = preview();
        Dialogs::answerNextFile(path);
        QTest::mouseClick(p->findChild<QWidget*>("Button_Scan"), Qt::LeftButton);
        return p;
    }
    static void click(PreviewWindow* p, const char* name)
    {
        QTest::mouseClick(p->findChild<QWidget*>(name), Qt::LeftButton);
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void questionNamesValuesThatRunIntoEachOther_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("question");
        // The started window's sender is ticked but empty: said first, the overlaps after it.
        const QString sender =
            QStringLiteral("ご依頼主を印字しますが空の欄があります: おなまえ、おところ、郵便番号");
        QTest::newRow("ordinary slip") << "東京都千代田区" << QStringList{"印刷しますか?", sender};
        QTest::newRow("long first address line")
            << QString(30, QChar(0x3042))
            << QStringList{"印刷しますか?", sender, "おところ① が 品名 に重なります"};
    }
    void questionNamesValuesThatRunIntoEachOther()
    {
        QFETCH(QString, address);
        QFETCH(QStringList, question);
        type(ui(w()).Edit_Add1, address);
        type(ui(w()).Edit_G1, "書籍");
        Dialogs::answerNext(false);
        f->key(Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{question.join('\n')});
    }

    void confirmationOnlyAfterAnAcceptedJob_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("accepted") << "";
        QTest::newRow("refused") << "プリンタが応答しません";
    }
    void confirmationOnlyAfterAnAcceptedJob()
    {
        QFETCH(QString, refusal);
        MainWindowFixture::fakePrinter().failEnd(refusal);
        Dialogs::answerNext(true);
        f->key(Qt::Key_F11);
        MainWindowFixture::fakePrinter().failEnd(QString());
        const QString status = ui(w()).StatusBar1->currentMessage();
        if (refusal.isEmpty()) {
            QCOMPARE(MainWindowFixture::shownTexts(), QStringList{MainWindowFixture::emptySlipQuestion()});
            const QRegularExpression said("^印刷しました　" + lastJob().destination +
                                          "　\\d\\d:\\d\\d:\\d\\d$");
            QVERIFY2(said.match(status).hasMatch(), qPrintable(status));
        } else {
            QCOMPARE(MainWindowFixture::shownTexts(),
                     (QStringList{MainWindowFixture::emptySlipQuestion(), refusal}));
            QVERIFY2(!status.contains("印刷しました"), qPrintable(status));
        }
    }

    void f9OpensThePreviewWhichPrintsAndCloses()
    {
        type(ui(w()).Edit_Custo1, "山田　太郎");
        QCOMPARE(testsupport::control<QPushButton>(w(), "SpeedButton_F9")->text(), QStringLiteral("確認"));
        f->key(Qt::Key_F9);
        PreviewWindow* p = preview();
        QVERIFY2(p, "Form_Preview");
        QTRY_VERIFY(p->isActiveWindow());
        QCOMPARE(p->preview().values, w()->slipValues());
        QVERIFY(p->preview().page.has_value());

        const qsizetype before = MainWindowFixture::fakePrinter().jobs().size();
        Dialogs::answerNext(true);
        QTest::keyClick(p->windowHandle(), Qt::Key_F11);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{MainWindowFixture::emptySlipQuestion()});
        QCOMPARE(MainWindowFixture::fakePrinter().jobs().size(), before + 1);
        QCOMPARE(lastJob().state, FakePrintSystem::JobRecord::State::Ended);
        QVERIFY(ui(w()).StatusBar1->currentMessage().startsWith("印刷しました"));

        QTest::keyClick(p->windowHandle(), Qt::Key_F12);
        QCOMPARE(MainWindowFixture::fakePrinter().jobs().size(), before + 2);
        QCOMPARE(lastJob().state, FakePrintSystem::JobRecord::State::Ended);
        QVERIFY(!lastJob().lines.isEmpty());
        QVERIFY(lastJob().texts.last().text.startsWith("テスト印刷"));

        QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!p->isVisible());
    }

    void firstOpeningFitsThePageIntoTheWindow()
    {
        f->key(Qt::Key_F9);
        PreviewWindow* p = preview();
        QVERIFY2(p, "Form_Preview");
        const QWidget* room = p->findChild<QScrollArea*>("ScrollArea_Preview")->viewport();
        const QWidget* page = p->findChild<QWidget*>("PreviewPage");
        QTRY_VERIFY(p->isVisible());
        // Filling the room one way, within the frame left around it.
        QVERIFY2(page->width() <= room->width() && page->height() <= room->height() &&
                     (page->width() >= room->width() - 8 || page->height() >= room->height() - 8),
                 qPrintable(QStringLiteral("page %1 × %2 in %3 × %4")
                                .arg(page->width())
                                .arg(page->height())
                                .arg(room->width())
                                .arg(room->height())));
    }

    void zoomSteps_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("zoom");
        QTest::newRow("plus from 100 %") << QList<Qt::Key>{Qt::Key_Plus} << 150;
        QTest::newRow("minus twice from 100 %") << QList<Qt::Key>{Qt::Key_Minus, Qt::Key_Minus} << 50;
        QTest::newRow("plus stops at 400 %") << QList<Qt::Key>(8, Qt::Key_Plus) << 400;
    }
    void zoomSteps()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, zoom);
        f->key(Qt::Key_F9);
        PreviewWindow* p = preview();
        QVERIFY2(p, "Form_Preview");
        QTest::mouseClick(p->findChild<QWidget*>("Button_100"), Qt::LeftButton);
        QCOMPARE(p->zoom(), 100);
        for (Qt::Key key : keys)
            QTest::keyClick(p->windowHandle(), key);
        QCOMPARE(p->zoom(), zoom);
        QTest::mouseClick(p->findChild<QWidget*>("Button_Fit"), Qt::LeftButton);
        QCOMPARE(p->zoom(), 0);
    }

    void scanIsMovedKeptAndTakenAway()
    {
        const QString path = writeForm();
        PreviewWindow* p = chooseScan(path);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"用紙の画像"});
        QVERIFY(!p->preview().scanImage.isNull());
        QCOMPARE(keptScan(), (rova::slip::FormScan{path, 200, {}}));
        QCOMPARE(MainWindowFixture::focusedName(), "PreviewPage");

        // Half a millimetre a key, five with Shift.
        click(p, "Button_100");
        QTest::keyClick(p->windowHandle(), Qt::Key_Right);
        QTest::keyClick(p->windowHandle(), Qt::Key_Right);
        QTest::keyClick(p->windowHandle(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(p->preview().scan.offset, QPoint(10, -50));
        QCOMPARE(keptScan().offset, QPoint(10, -50));

        // At 100 % the page is the paper's real size: a drag of half an inch is 12.7 mm.
        QWidget* page = p->findChild<QWidget*>("PreviewPage");
        const int halfInch = page->logicalDpiX() / 2;
        const int tenths = qRound(halfInch * 254.0 / page->logicalDpiX());
        const QPoint from(200, 150);
        QTest::mousePress(page, Qt::LeftButton, {}, from);
        QTest::mouseMove(page, from + QPoint(halfInch, 0));
        QCOMPARE(keptScan().offset, QPoint(10, -50)); // kept once the button is released
        QTest::mouseRelease(page, Qt::LeftButton, {}, from + QPoint(halfInch, -halfInch));
        const QPoint moved(10 + tenths, -50 - tenths);
        QCOMPARE(p->preview().scan.offset, moved);
        QCOMPARE(keptScan(), (rova::slip::FormScan{path, 200, moved}));

        // Its resolution, typed into the box two tab stops on from the page.
        QTest::keyClick(p->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(p->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(p->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        for (char digit : {'3', '0', '0'})
            QTest::keyClick(p->windowHandle(), digit);
        QTest::keyClick(p->windowHandle(), Qt::Key_Return);
        QCOMPARE(keptScan(), (rova::slip::FormScan{path, 300, moved}));

        // Opened again, the scan is where it was left.
        QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
        f->key(Qt::Key_F9);
        QCOMPARE(p->preview().scan, keptScan());
        QVERIFY(!p->preview().scanImage.isNull());

        click(p, "Button_RemoveScan");
        QVERIFY(p->preview().scanImage.isNull());
        QCOMPARE(keptScan(), rova::slip::FormScan{});
        QVERIFY(!p->findChild<QWidget*>("Button_RemoveScan")->isEnabled());
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
    }

    void unusableScanIsNamedAndLeavesTheMarks_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: a good scan, removed after it was chosen
        QTest::addColumn<QString>("reason");
        QTest::newRow("not an image") << QByteArray("送り状") << "画像 (PNG、JPEG) でも PDF でもありません";
        QTest::newRow("damaged PDF") << QByteArray("%PDF-1.4\n1 0 obj <<") << "PDF の中身が壊れています";
        QTest::newRow("a folder") << QByteArray("/") << rova::errtext::fileAccessDenied();
        QTest::newRow("gone since it was chosen") << QByteArray() << rova::errtext::fileNotFound();
    }
    void unusableScanIsNamedAndLeavesTheMarks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = writeForm();
        if (content == "/")
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        else if (!content.isNull())
            f->writeFile("form.png", content);
        PreviewWindow* p = chooseScan(path);
        if (content.isNull()) {
            QVERIFY(QFile::remove(path));
            QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
            f->key(Qt::Key_F9);
        }
        QCOMPARE(MainWindowFixture::shownTexts().last(), "用紙の画像を読めません: " + reason + "\n" + path);
        QVERIFY(p->isVisible());
        QVERIFY(p->preview().scanImage.isNull());
        // A file gone keeps its place, so the operator can take it away or bring it back.
        QCOMPARE(keptScan().path, content.isNull() ? path : QString());
        QCOMPARE(p->findChild<QWidget*>("Button_RemoveScan")->isEnabled(), content.isNull());
    }

    void settingsThatCannotBeWrittenAreNamed()
    {
        QVERIFY(QDir(w()->folder()).mkdir(rova::ProgramSettings::fileName()));
        PreviewWindow* p = chooseScan(writeForm());
        QCOMPARE(MainWindowFixture::shownTexts(),
                 (QStringList{"用紙の画像",
                              rova::errtext::cannotWrite(rova::ProgramSettings(w()->folder()).path())}));
        QVERIFY(!p->preview().scanImage.isNull());
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
