// SPDX-License-Identifier: GPL-3.0-or-later
// What a slip-type change does besides loading the printer assignment: the time boxes are unticked, the
// count of a delivery-date slip starts empty, and a printer number that is no integer stops the change
// before anything of the window is switched.

#include "support/controls.h"
#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"

#include "rules/slip/sliplayout.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

using rova::Dialogs;
using rova::slip::slipTypes;

namespace
{

// Everything the form-kind switching touches, as text.
QStringList switchedState(const MainWindow& m)
{
    const auto place = [](const QWidget* w) {
        return QStringLiteral("%1 at %2,%3").arg(w->isVisible() ? "shown" : "hidden").arg(w->x()).arg(w->y());
    };
    QStringList state{ui(m).Label_de_date->text(),  place(ui(m).GroupBox_Time),
                      place(ui(m).GroupBox_Time2),  place(ui(m).Label_KOSUU),
                      place(ui(m).KeNumEdit_KOSUU), ui(m).KeNumEdit_KOSUU->text()};
    for (const QCheckBox* box : m.findChildren<QCheckBox*>(QRegularExpression(QStringLiteral("^CheckBox_t"))))
        state << box->objectName() + (box->isChecked() ? " ticked" : "");
    return state;
}

// The context menu's state as the operator would find it on opening the menu.
bool undoOffered(NumberEdit* edit)
{
    QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(edit, &open);
    QMenu* menu = edit->contextMenu();
    const bool offered = menu->actions().first()->isEnabled();
    menu->close();
    return offered;
}

} // namespace

class TestSlipKindChange : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> m_window;

    MainWindow& main() { return m_window->main(); }

private slots:
    void initTestCase()
    {
        slipcheck::installFakePrinters({"Printer A", "Printer B"});
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void init() { m_window->startAfresh(); }

    void everyTimeBoxUnticked_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("otherGroup");
        // Each row ticks its box and one of the other group, then moves the slip type one step down,
        // within a form kind or across.
        const struct {
            const char* box;
            const char* otherGroup;
            int from;
        } rows[] = {{"CheckBox_t1", "CheckBox_t21", 0}, {"CheckBox_t2", "CheckBox_t22", 1},
                    {"CheckBox_t3", "CheckBox_t21", 2}, {"CheckBox_t4", "CheckBox_t22", 3},
                    {"CheckBox_t5", "CheckBox_t21", 4}, {"CheckBox_t6", "CheckBox_t22", 0},
                    {"CheckBox_t21", "CheckBox_t1", 3}, {"CheckBox_t22", "CheckBox_t6", 1}};
        for (const auto& r : rows)
            QTest::addRow("%s, %s to %s", r.box, qPrintable(slipTypes()[r.from]),
                          qPrintable(slipTypes()[r.from + 1]))
                << r.from << QString::fromLatin1(r.box) << QString::fromLatin1(r.otherGroup);
    }
    void everyTimeBoxUnticked()
    {
        QFETCH(int, from);
        QFETCH(QString, box);
        QFETCH(QString, otherGroup);
        m_window->chooseSlipType(from);
        for (const QString& name : {box, otherGroup}) {
            QCheckBox* tick = main().findChild<QCheckBox*>(name);
            QVERIFY2(tick, qPrintable(name));
            tick->setChecked(true);
        }
        m_window->stepSlipType(Qt::Key_Down);
        const QList<QCheckBox*> boxes =
            main().findChildren<QCheckBox*>(QRegularExpression(QStringLiteral("^CheckBox_t")));
        QCOMPARE(boxes.size(), 8);
        for (const QCheckBox* b : boxes)
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    }

    void countStartsEmptyWithoutUndo_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Qt::Key>("step");
        QTest::newRow("タイムサービス(連続) to 配達指定日(手差し)") << 3 << Qt::Key_Down;
        QTest::newRow("配達指定日(連続) to 配達指定日(手差し)") << 5 << Qt::Key_Up;
    }
    void countStartsEmptyWithoutUndo()
    {
        QFETCH(int, from);
        QFETCH(Qt::Key, step);
        m_window->chooseSlipType(from);
        NumberEdit* count = ui(main()).KeNumEdit_KOSUU;
        count->setText(QStringLiteral("12")); // as the settings file restores it

        m_window->stepSlipType(step);
        QTRY_VERIFY(count->isVisible());
        QCOMPARE(count->text(), QString());
        QVERIFY(!count->undoAvailable());
        QVERIFY(!undoOffered(count));
        count->undo();
        QCOMPARE(count->text(), QString());
    }

    void nonIntegerPrinterNumberStopsTheChange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Qt::Key>("step");
        QTest::addColumn<QString>("number");
        QTest::newRow("発払　着払 to タイムサービス") << 1 << Qt::Key_Down << "abc";
        QTest::newRow("タイムサービス to 配達指定日") << 3 << Qt::Key_Down << "1.5";
        QTest::newRow("配達指定日 to タイムサービス") << 4 << Qt::Key_Up << "12a";
    }
    void nonIntegerPrinterNumberStopsTheChange()
    {
        QFETCH(int, from);
        QFETCH(Qt::Key, step);
        QFETCH(QString, number);
        m_window->chooseSlipType(from);
        ui(main()).KeNumEdit_KOSUU->setText(QStringLiteral("12"));
        ui(main()).CheckBox_t1->setChecked(true);
        ui(main()).CheckBox_t21->setChecked(true);
        const int to = from + (step == Qt::Key_Up ? -1 : 1);
        slipcheck::writeAssignments(m_window->folder(), {{slipTypes()[to], "x", number, "0", "0"}});
        const QStringList before = switchedState(main());
        Dialogs::takeShown();

        m_window->stepSlipType(step);

        const QList<Dialogs::Shown> shown = Dialogs::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Dialogs::Kind::Error);
        QCOMPARE(shown[0].text, QStringLiteral("'%1' is not a valid integer value").arg(number));
        QCOMPARE(switchedState(main()), before);
    }
};

QTEST_MAIN(TestSlipKindChange)
#include "test_slipkindchange.moc"
