// SPDX-License-Identifier: GPL-3.0-or-later
// The print command from the slip entry window: nothing is checked before printing, so a slip with
// every field empty prints after the question like any other.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "support/fakeprintsystem.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rova::Dialogs;
using rova::print::FakePrintSystem;

class TestMainWindowPrint : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    MainWindow* w() const { return f->window(); }

    QStringList fieldTexts() const
    {
        QStringList texts;
        for (const QLineEdit* edit : w()->findChildren<QLineEdit*>(QRegularExpression("^Edit_")))
            texts << edit->text();
        return texts << ui(w()).KeNumEdit_KOSUU->text();
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void emptySlipIsPrinted_data()
    {
        QTest::addColumn<QString>("from"); // the field F11 is pressed in; empty: the "印刷" button
        QTest::newRow("the print button") << "";
        QTest::newRow("F11 in the postal code") << "Edit_Zip";
        QTest::newRow("F11 in the count") << "KeNumEdit_KOSUU";
    }
    void emptySlipIsPrinted()
    {
        QFETCH(QString, from);
        f->chooseSlipType(4); // the delivery-date kind shows the count and empties it
        const QStringList empty(fieldTexts().size());
        QCOMPARE(fieldTexts(), empty);
        if (!from.isEmpty()) {
            QWidget* field = w()->findChild<QWidget*>(from);
            field->setFocus(Qt::OtherFocusReason);
            QTRY_COMPARE(MainWindowFixture::focusedName(), from);
        }
        const qsizetype before = MainWindowFixture::fakePrinter().jobs().size();
        Dialogs::answerNext(true);
        if (from.isEmpty())
            QTest::mouseClick(ui(w()).SpeedButton_F11, Qt::LeftButton);
        else
            f->key(Qt::Key_F11);
        // Printed if the operator says so, but not without a word about the empty sender and item.
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{MainWindowFixture::emptySlipQuestion()});
        const QList<FakePrintSystem::JobRecord>& jobs = MainWindowFixture::fakePrinter().jobs();
        QCOMPARE(jobs.size(), before + 1);
        QCOMPARE(jobs.last().state, FakePrintSystem::JobRecord::State::Ended);
        QCOMPARE(fieldTexts(), empty);
    }
};

QTEST_MAIN(TestMainWindowPrint)
#include "test_mainwindow_print.moc"
