// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the print history: every slip of a job the print system accepted, from whichever
// window, with its printer and margins; nothing of a refused job; and a history that cannot be
// written costs neither the print nor a second form.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "platform/print/slipjobs.h"
#include "platform/store/history.h"
#include "rules/postal/loader.h"
#include "support/fakeprintsystem.h"
#include "support/sampleslip.h"
#include "widgets/entry/postalassist.h"
#include "widgets/kit/dialogs.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

using rova::Dialogs;
using rova::store::History;
using rova::store::HistoryEntry;

namespace
{
QList<HistoryEntry> recorded(const QString& folder)
{
    return History(folder).search({});
}
} // namespace

class TestHistoryRecord : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

    QString folder() const { return f->window()->folder(); }

    // F11 answered with `yes`; returns how many jobs the print system saw.
    qsizetype printWithF11(bool yes)
    {
        const qsizetype before = MainWindowFixture::fakePrinter().jobs().size();
        Dialogs::answerNext(yes);
        f->key(Qt::Key_F11);
        return MainWindowFixture::fakePrinter().jobs().size() - before;
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup()
    {
        MainWindowFixture::fakePrinter().failBegin({});
        f.reset();
    }

    void acceptedPrintIsRecordedWhole()
    {
        f->window()->showSlip(rova::test::slipTo("山田　太郎", "03-1234-5678", "100-0001", "東京都"));
        const rova::slip::SlipValues slip = f->window()->slipValues();
        QCOMPARE(printWithF11(true), 1);
        const QList<HistoryEntry> entries = recorded(folder());
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].slip, slip);
        QCOMPARE(entries[0].printer, QStringLiteral("Printer A"));
        QCOMPARE(entries[0].topMargin, f->window()->printSettings().top);
        QCOMPARE(entries[0].leftMargin, f->window()->printSettings().left);
        QVERIFY(entries[0].printedAt.isValid());
    }

    void nothingIsRecordedWithoutAnAcceptedJob_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("operator said no") << false << QString();
        QTest::newRow("print system refused the job") << true << QStringLiteral("printer offline");
    }
    void nothingIsRecordedWithoutAnAcceptedJob()
    {
        QFETCH(bool, answer);
        QFETCH(QString, refusal);
        MainWindowFixture::fakePrinter().failBegin(refusal);
        printWithF11(answer);
        QVERIFY(recorded(folder()).isEmpty());
    }

    // A batch or a reprint prints through the same service: each slip of the job is one entry.
    void everySlipOfAJobFromElsewhereIsRecorded()
    {
        const QList<rova::slip::SlipValues> slips{
            rova::test::slipTo("一", "01"), rova::test::slipTo("二", "02"), rova::test::slipTo("三", "03")};
        f->window()->jobs().print(slips, f->window()->printSettings());
        QStringList names;
        for (const HistoryEntry& e : recorded(folder()))
            names << e.slip.name;
        QCOMPARE(names, (QStringList{"三", "二", "一"}));
    }

    // The database's name taken by a folder: the slip is printed once, the status bar says why it is
    // not in the history, and the window goes on.
    void failureToRecordIsShownAndPrintsNothingAgain()
    {
        QVERIFY(QDir(folder()).mkpath(rova::store::databaseFileName()));
        QCOMPARE(printWithF11(true), 1);
        const QString status = ui(f->window()).StatusBar1->currentMessage();
        QVERIFY2(status.contains(QStringLiteral("履歴に記録できませんでした")), qPrintable(status));
        QVERIFY2(status.contains(rova::store::databaseFileName()), qPrintable(status));
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{MainWindowFixture::emptySlipQuestion()});
        QCOMPARE(ui(f->window()).Edit_Custo1->isEnabled(), true);
        // Said where the operator looks, in red.
        QLabel* help = ui(f->window()).Panel_HelpMess;
        QVERIFY2(help->text().contains(QStringLiteral("履歴に記録できませんでした")),
                 qPrintable(help->text()));
        QCOMPARE(help->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    // The dictionary's state, however long, keeps to a short label at the right end; the print's line
    // has the rest of the bar.
    void printResultIsReadableBesideTheDictionaryState()
    {
        const QString longState =
            QStringLiteral("郵便番号の一覧 /usr/share/skk/SKK-JISYO.zipcode を読めません"
                           "（ファイルがありません）。郵便番号の検索と照合は使えません");
        f->forms().postal->use(rova::postal::Loaded{nullptr, longState, false});
        QCOMPARE(printWithF11(true), 1);
        QStatusBar* bar = ui(f->window()).StatusBar1;
        const QString message = bar->currentMessage();
        QVERIFY2(message.startsWith(QStringLiteral("印刷しました　Printer A　")), qPrintable(message));
        auto* state = f->window()->findChild<QLabel*>(QStringLiteral("Label_PostalStatus"));
        QCOMPARE(state->toolTip(), longState);
        QTRY_VERIFY(state->isVisible());
        QVERIFY2(bar->fontMetrics().horizontalAdvance(message) < state->x(),
                 qPrintable(QStringLiteral("%1 px of message, label at %2")
                                .arg(bar->fontMetrics().horizontalAdvance(message))
                                .arg(state->x())));
    }
};

QTEST_MAIN(TestHistoryRecord)
#include "test_historyrecord.moc"
