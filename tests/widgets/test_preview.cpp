// The preview as the operator uses it: F9 opens the current slip, F11 there asks the same question
// and prints, F12 prints the alignment sheet, Esc closes; the entry window's question names values
// that run into each other, and the status line tells when a job was accepted, never when refused.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "support/fakeprintsystem.h"
#include "widgets/dialogs.h"
#include "widgets/previewwindow.h"

#include <QApplication>
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

    static PreviewWindow* preview()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("Form_Preview"))
                return qobject_cast<PreviewWindow*>(top);
        return nullptr;
    }
    void type(QLineEdit* edit, const QString& text) const
    {
        f->focus(edit);
        MainWindowFixture::commitText(edit, text);
    }
    const FakePrintSystem::JobRecord& lastJob() const
    {
        return MainWindowFixture::fakePrinter().jobs().last();
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void questionNamesValuesThatRunIntoEachOther_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("question");
        QTest::newRow("ordinary slip") << "東京都千代田区" << QStringList{"印刷しますか?"};
        QTest::newRow("long first address line")
            << QString(30, QChar(0x3042)) << QStringList{"印刷しますか?", "おところ① が 品名 に重なります"};
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
            QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"印刷しますか?"});
            const QRegularExpression said("^印刷しました　" + lastJob().destination +
                                          "　\\d\\d:\\d\\d:\\d\\d$");
            QVERIFY2(said.match(status).hasMatch(), qPrintable(status));
        } else {
            QCOMPARE(MainWindowFixture::shownTexts(), (QStringList{"印刷しますか?", refusal}));
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
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{"印刷しますか?"});
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
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
