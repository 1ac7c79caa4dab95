// SPDX-License-Identifier: GPL-3.0-or-later
// The print position dialog "印字位置調整" as the operator meets it: its size, where the two margin
// fields and their captions sit, and its keys.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"
#include "support/testprinters.h"

#include "platform/print/fonts.h"
#include "platform/store/trackingstacks.h"
#include "support/fakeprintsystem.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"
#include "widgets/preview/previewwindow.h"
#include "widgets/printer/printpositiondialog.h"

#include <QExposeEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
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
                QTRY_COMPARE(d.frameGeometry().size(), QSize(340, 196));
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
            QTRY_COMPARE(d.frameGeometry().size(), QSize(340, 196));
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
            QCOMPARE(e->parentWidget(), d.findChild<QGroupBox*>("GroupBox1"));
            QCOMPARE(l->parentWidget(), d.findChild<QGroupBox*>("GroupBox1"));
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
            slipcheck::retype(d.findChild<NumberEdit*>("KeNumEdit_TOP"), "236");
            QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_Preview"), Qt::LeftButton);
            PreviewWindow* preview = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<PreviewWindow*>(top); p && p->isVisible())
                    preview = p;
            QVERIFY(preview);
            QCOMPARE(preview->preview().settings.top, QStringLiteral("236"));
            QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_TopPlus"), Qt::LeftButton);
            QCOMPARE(preview->preview().settings.top, QStringLiteral("248"));
            // Back in the dialog, as the operator clicks it again.
            d.activateWindow();
            QTRY_VERIFY(d.isActiveWindow());
            auto* left = d.findChild<NumberEdit*>("KeNumEdit_LEFT");
            left->setFocus(Qt::TabFocusReason);
            slipcheck::retype(left, "12");
            QCOMPARE(preview->preview().settings.left, QStringLiteral("12"));

            const qsizetype jobs = m_fake->jobs().size();
            QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_TestPrint"), Qt::LeftButton);
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

    // The next form's number is registered with the margins; a number left as shown does not set back
    // a stack another program took numbers from meanwhile.
    void trackingNumber_data()
    {
        QTest::addColumn<QString>("typed"); // "=" leaves the field as shown
        QTest::addColumn<QString>("next");  // the stack afterwards
        QTest::addColumn<QString>("refusal");
        QTest::newRow("either width and hyphens") << "４４４４－１３７５－８７２５"
                                                  << "444413758725"
                                                  << "";
        QTest::newRow("wrong check digit")
            << "4444-1375-8726"
            << "444413758703"
            << "伝票番号「4444-1375-8726」のチェック数字 (最後の桁) が違います: 6 ではなく 5 のはずです";
        QTest::newRow("emptied: no numbers") << ""
                                             << ""
                                             << "";
        QTest::newRow("left as shown while another program printed") << "="
                                                                     << "444413758714"
                                                                     << "";
    }
    void trackingNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, next);
        QFETCH(QString, refusal);
        rova::store::TrackingStacks stacks(m_window->folder());
        const QString type = main().slipValues().slipType;
        stacks.setNext(type, "444413758703");
        withDialog([&](PrintPositionDialog& d) {
            auto* number = d.findChild<QLineEdit*>("Edit_TrackingNumber");
            QCOMPARE(number->text(), QStringLiteral("4444-1375-8703"));
            if (typed == "=") {
                stacks.take(type, 1);
            } else {
                number->clear();
                QInputMethodEvent commit;
                commit.setCommitString(typed);
                QApplication::sendEvent(number, &commit);
            }
            Dialogs::answerNext(true);
            QTest::mouseClick(d.findChild<QPushButton*>("BitBtn_MRGN"), Qt::LeftButton);
        });
        QCOMPARE(stacks.next(type).value_or(QString()), next);
        const auto shown = Dialogs::takeShown();
        QCOMPARE(shown.last().text,
                 refusal.isEmpty() ? QStringLiteral("印字位置調整の余白を登録しますか?") : refusal);
        stacks.setNext(type, "");
    }

    void keys()
    {
        withDialog([](PrintPositionDialog& d) {
            auto* top = d.findChild<NumberEdit*>("KeNumEdit_TOP");
            auto* left = d.findChild<NumberEdit*>("KeNumEdit_LEFT");
            QTRY_VERIFY(top->hasFocus());
            QTest::keyClick(top, Qt::Key_Up);
            QVERIFY(top->hasFocus());
            QTest::keyClick(top, Qt::Key_Enter);
            QTRY_VERIFY(left->hasFocus());
            QTest::keyClick(left, Qt::Key_Up);
            QTRY_VERIFY(top->hasFocus());
            // Whole dots only: the point is refused.
            slipcheck::retype(top, "1.5");
            QCOMPARE(top->text(), QStringLiteral("15"));
        });
        QCOMPARE(ui(main()).Label_Prn_Top->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestPrintPositionDialog)
#include "test_printpositiondialog.moc"
