// The print position dialog "印字位置調整" as the operator meets it: its size, where the two margin
// fields and their captions sit, and its keys.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"
#include "support/testprinters.h"

#include "platform/print/fonts.h"
#include "support/fakeprintsystem.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"
#include "widgets/preview/previewwindow.h"
#include "widgets/printer/printpositiondialog.h"

#include <QExposeEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using rova::Dialogs;
using rova::print::FakePrintSystem;

class TestPrintPositionDialog : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> m_window;
    FakePrintSystem* m_fake = nullptr;

    MainWindow& main() { return m_window->main(); }

    // Opens the dialog with "余白調整", runs `check` on it while it is shown, and closes it.
    void withDialog(const std::function<void(PrintPositionDialog&)>& check)
    {
        Dialogs::answerNextDialog([&](QDialog& dialog) {
            auto& d = static_cast<PrintPositionDialog&>(dialog);
            d.show();
            [&] { QVERIFY(QTest::qWaitForWindowExposed(&d)); }();
            if (!QTest::currentTestFailed())
                check(d);
            d.reject();
            return d.result();
        });
        QTest::mouseClick(ui(main()).BitBtn_PrnSet2, Qt::LeftButton);
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
    }

private slots:
    void initTestCase()
    {
        Dialogs::setScripted(true);
        rova::fonts::registerSubstitutions(); // the captions must fit in the faces the program uses
        auto fake = std::make_unique<FakePrintSystem>();
        fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Printer A")));
        m_fake = testprinters::installFake(std::move(fake));
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init() { Dialogs::takeShown(); }

    void outerSize()
    {
        for (int opening = 0; opening < 2; ++opening) {
            withDialog([](PrintPositionDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("印字位置調整"));
                QTRY_COMPARE(d.frameGeometry().size(), QSize(340, 160));
                QCOMPARE(d.minimumSize(), d.maximumSize());
            });
            if (QTest::currentTestFailed())
                return;
        }
    }

    void outerSizePutRightOnceExposed()
    {
        withDialog([](PrintPositionDialog& d) {
            // As when the size was worked out before the window manager had added the frame.
            d.setFixedSize(300, 300);
            QExposeEvent exposed(QRegion(QRect(QPoint(), d.size())));
            QCoreApplication::sendEvent(d.windowHandle(), &exposed);
            QTRY_COMPARE(d.frameGeometry().size(), QSize(340, 160));
        });
    }

    void marginFields_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("top margin") << "KeNumEdit_TOP"
                                    << "Label1"
                                    << "TOPﾏｰｼﾞﾝ";
        QTest::newRow("left margin") << "KeNumEdit_LEFT"
                                     << "Label2"
                                     << "LEFTﾏｰｼﾞﾝ";
    }
    void marginFields()
    {
        QFETCH(QString, edit);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        withDialog([&](PrintPositionDialog& d) {
            auto* e = d.findChild<NumberEdit*>(edit);
            auto* l = d.findChild<QLabel*>(label);
            QVERIFY(e && l);
            QCOMPARE(e->parentWidget(), d.GroupBox1);
            QCOMPARE(l->parentWidget(), d.GroupBox1);
            QCOMPARE(l->text(), caption);
            // Beside the field on its line, inside the group, and the whole caption readable.
            QVERIFY(l->x() >= 0);
            QVERIFY2(l->geometry().right() < e->x(), qPrintable(QString::number(l->geometry().right())));
            QVERIFY(l->geometry().center().y() >= e->geometry().top());
            QVERIFY(l->geometry().center().y() <= e->geometry().bottom());
            const QFontMetrics metrics(l->font());
            QVERIFY2(metrics.horizontalAdvance(caption) <= l->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 px for %2 px")
                                    .arg(metrics.horizontalAdvance(caption))
                                    .arg(l->contentsRect().width())));
            QVERIFY(metrics.height() <= l->contentsRect().height());
        });
    }

    void millimetresAndNudges_data()
    {
        QTest::addColumn<QString>("axis");
        QTest::newRow("top") << "Top";
        QTest::newRow("left") << "Left";
    }
    void millimetresAndNudges()
    {
        QFETCH(QString, axis);
        withDialog([&](PrintPositionDialog& d) {
            auto* edit = d.findChild<NumberEdit*>(axis == "Top" ? "KeNumEdit_TOP" : "KeNumEdit_LEFT");
            auto* mm = d.findChild<QLabel*>("Label_" + axis + "Mm");
            auto* plus = d.findChild<QPushButton*>("BitBtn_" + axis + "Plus");
            auto* minus = d.findChild<QPushButton*>("BitBtn_" + axis + "Minus");
            QVERIFY2(edit && mm && plus && minus, qPrintable("controls of " + axis));
            edit->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(edit->hasFocus());
            slipcheck::retype(edit, "236");
            QCOMPARE(mm->text(), QStringLiteral("10.0 mm")); // 600 dpi
            QSignalSpy beeps(edit, &NumberEdit::beeped);
            QTest::keyClick(edit, '.');
            QCOMPARE(beeps.size(), 1);
            QCOMPARE(edit->text(), QStringLiteral("236"));
            QTest::mouseClick(plus, Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("248"));
            QCOMPARE(mm->text(), QStringLiteral("10.5 mm"));
            QTest::mouseClick(minus, Qt::LeftButton);
            QTest::mouseClick(minus, Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("224"));
            QTest::mouseClick(plus, Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("236"));
        });
    }

    // "確認" shows the slip with the margins as they are being edited, and follows every change;
    // "テスト印刷" prints the alignment sheet with them, before anything is registered.
    void previewAndTestPrintUseTheEditedMargins()
    {
        withDialog([&](PrintPositionDialog& d) {
            slipcheck::retype(d.KeNumEdit_TOP, "236");
            QTest::mouseClick(d.BitBtn_Preview, Qt::LeftButton);
            PreviewWindow* preview = m_window->forms().preview.get();
            QVERIFY(preview->isVisible());
            QCOMPARE(preview->preview().settings.top, QStringLiteral("236"));
            QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_TopPlus"), Qt::LeftButton);
            QCOMPARE(preview->preview().settings.top, QStringLiteral("248"));
            // Back in the dialog, as the operator clicks it again.
            d.activateWindow();
            QTRY_VERIFY(d.isActiveWindow());
            d.KeNumEdit_LEFT->setFocus(Qt::TabFocusReason);
            slipcheck::retype(d.KeNumEdit_LEFT, "12");
            QCOMPARE(preview->preview().settings.left, QStringLiteral("12"));

            const qsizetype jobs = m_fake->jobs().size();
            QTest::mouseClick(d.BitBtn_TestPrint, Qt::LeftButton);
            QCOMPARE(m_fake->jobs().size(), jobs + 1);
            QStringList texts;
            for (const auto& t : m_fake->jobs().last().texts)
                texts << t.text;
            QVERIFY2(
                texts.join('\n').contains(QStringLiteral("上 248 ドット (10.5 mm)　左 12 ドット (0.5 mm)")),
                qPrintable(texts.join('\n')));
            preview->close();
        });
        // Nothing was registered: the window still shows the margins it had.
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QStringLiteral("0"));
    }

    void keys()
    {
        withDialog([](PrintPositionDialog& d) {
            QTRY_VERIFY(d.KeNumEdit_TOP->hasFocus());
            QTest::keyClick(d.KeNumEdit_TOP, Qt::Key_Up);
            QVERIFY(d.KeNumEdit_TOP->hasFocus());
            QTest::keyClick(d.KeNumEdit_TOP, Qt::Key_Enter);
            QTRY_VERIFY(d.KeNumEdit_LEFT->hasFocus());
            QTest::keyClick(d.KeNumEdit_LEFT, Qt::Key_Up);
            QTRY_VERIFY(d.KeNumEdit_TOP->hasFocus());
            // Whole dots only: the point is refused.
            slipcheck::retype(d.KeNumEdit_TOP, "1.5");
            QCOMPARE(d.KeNumEdit_TOP->text(), QStringLiteral("15"));
        });
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestPrintPositionDialog)
#include "test_printpositiondialog.moc"
