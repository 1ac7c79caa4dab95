// SPDX-License-Identifier: GPL-3.0-or-later
// The printer group's three display boxes: how they look and that they cannot be operated, and what
// they keep showing when the printer object cannot tell the current printer.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"

#include "platform/print/printerchoice.h"
#include "platform/print/slipjobs.h"
#include "rules/slip/sliplayout.h"
#include "support/fakeprintsystem.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

using rova::Dialogs;
using rova::print::FakePrintSystem;
using rova::slip::slipTypes;

namespace
{

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts << QStringLiteral("current: ") + box->currentText();
}

} // namespace

class TestPrinterGroup : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> m_window;
    FakePrintSystem* m_fake = nullptr;

    MainWindow& main() { return m_window->main(); }

private slots:
    void initTestCase()
    {
        m_fake = slipcheck::installFakePrinters({"Printer A", "Printer B", "Printer C"});
        // A hidden default: selecting it works, but the printer object cannot give its visible index.
        m_fake->addPrinter(FakePrintSystem::printer(QStringLiteral("Hidden"), true));
        m_fake->setDefault(3);
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init() { m_window->startAfresh(); }

    void displayOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("printer") << "ComboBox1";
        QTest::newRow("paper size") << "ComboBox2";
        QTest::newRow("paper bin") << "ComboBox3";
    }
    void displayOnly()
    {
        QFETCH(QString, name);
        auto* box = main().findChild<QComboBox*>(name);
        QVERIFY(box);
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.subControls = QStyle::SC_All;
        option.frame = true;
        const QRect arrow =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box);
        // Where the style puts the arrow, inside the frame, nothing is drawn darker than the face.
        const QImage picture = box->grab().toImage();
        int dark = 0;
        const QRect inside = arrow.intersected(box->rect().adjusted(3, 3, -3, -3));
        QVERIFY(!inside.isEmpty());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                dark += qGray(picture.pixel(x, y)) < 128;
        QCOMPARE(dark, 0);
        QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Button));
        QCOMPARE(box->focusPolicy(), Qt::NoFocus);

        QTest::mouseClick(main().windowHandle(), Qt::LeftButton, {},
                          box->mapTo(&main(), box->rect().center()));
        QVERIFY(!box->view()->isVisible());
        QVERIFY(!box->hasFocus());
    }

    // The margins come from rova_a500.ini as text; markup in them is shown as written, never rendered.
    void marginsShownAsWritten()
    {
        const QString markup = QStringLiteral("<img src=\"x.png\"><a href=\"https://example.com\">1</a>");
        slipcheck::writeAssignments(m_window->folder(),
                                    {{slipTypes()[0], "Printer A", "0", markup, "<b>2</b>"}});
        m_window->chooseSlipType(0);
        for (const QLabel* margin : {ui(main()).Label_Prn_Top, ui(main()).Label_Prn_Left}) {
            QCOMPARE(margin->textFormat(), Qt::PlainText);
            QVERIFY(margin->text().startsWith(u'<'));
        }
        QCOMPARE(ui(main()).Label_Prn_Top->text(), markup);
    }

    void namesKeptWhenTheCurrentPrinterCannotBeTold()
    {
        slipcheck::writeAssignments(m_window->folder(), {{slipTypes()[0], "Printer C", "2", "0", "0"},
                                                         {slipTypes()[1], "", "-1", "0", "0"}});
        m_window->chooseSlipType(0);
        const QList<QComboBox*> boxes{ui(main()).ComboBox1, ui(main()).ComboBox2, ui(main()).ComboBox3};
        QStringList before;
        for (const QComboBox* box : boxes)
            before << items(box);
        QVERIFY(before.contains(QStringLiteral("current: Printer C")));
        QVERIFY(ui(main()).ComboBox1->isEnabled());

        m_window->stepSlipType(Qt::Key_Down);
        QStringList after;
        for (const QComboBox* box : boxes)
            after << items(box);
        QCOMPARE(after, before);
        QVERIFY(!ui(main()).ComboBox1->isEnabled());
        QVERIFY(Dialogs::takeShown().isEmpty());

        m_window->stepSlipType(Qt::Key_Up);
        QVERIFY(ui(main()).ComboBox1->isEnabled());
        QCOMPARE(ui(main()).ComboBox1->currentText(), QStringLiteral("Printer C"));
    }

    // The server stopped: the group says so in red. Once it answers again, on coming back to the
    // window or with a print that goes through, the group shows the printer again.
    void serverAnsweringAgainClearsTheRed_data()
    {
        QTest::addColumn<bool>("byPrinting");
        QTest::newRow("window active again") << false;
        QTest::newRow("a print went through") << true;
    }
    void serverAnsweringAgainClearsTheRed()
    {
        QFETCH(bool, byPrinting);
        slipcheck::writeAssignments(m_window->folder(), {{slipTypes()[0], "Printer B", "1", "0", "0"}});
        m_window->chooseSlipType(0);
        QComboBox* printer = ui(main()).ComboBox1;
        rova::print::PrinterChoice& printers = main().jobs().printers();

        m_fake->setUnreachable(QStringLiteral("Connection refused"));
        printers.checkForChanges();
        QVERIFY(!printer->isEnabled());
        QCOMPARE(printer->palette().color(QPalette::Text), QColor(Qt::red));

        m_fake->setUnreachable(QString());
        if (byPrinting)
            main().jobs().print({main().slipValues()}, main().printSettings());
        else
            printers.checkForChanges();
        QVERIFY(printer->isEnabled());
        QCOMPARE(printer->currentText(), QStringLiteral("Printer B"));
        QVERIFY(printer->palette().color(QPalette::Text) != QColor(Qt::red));
        QVERIFY(Dialogs::takeShown().isEmpty());
    }
};

QTEST_MAIN(TestPrinterGroup)
#include "test_printergroup.moc"
