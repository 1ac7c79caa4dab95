// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak Japanese under an English or C desktop: the file dialog the PDF printer
// opens, its overwrite question, standard buttons and the date picker's calendar.

#include "platform/system/japanese.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestJapanese : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qgetenv("LC_ALL"), QByteArray("C")); // the desktop's language is not Japanese
        QVERIFY(rova::japanese::install(*qApp));
    }

    void standardButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("キャンセル");
        QTest::newRow("save") << int(QDialogButtonBox::Save) << QStringLiteral("保存");
        QTest::newRow("yes") << int(QDialogButtonBox::Yes) << QStringLiteral("はい(&Y)");
        QTest::newRow("no") << int(QDialogButtonBox::No) << QStringLiteral("いいえ(&N)");
    }
    void standardButtons()
    {
        QFETCH(int, button);
        QFETCH(QString, text);
        QDialogButtonBox box{QDialogButtonBox::StandardButtons(button)};
        QCOMPARE(box.button(QDialogButtonBox::StandardButton(button))->text(), text);
    }

    void saveDialogAndItsOverwriteQuestion()
    {
        QFileDialog dialog(nullptr, QStringLiteral("PDF ファイルに保存"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("保存(&S)"));
        const QLabel* nameLabel = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
        QVERIFY(nameLabel);
        QCOMPARE(nameLabel->text(), QStringLiteral("ファイル名(&N):"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
                 QStringLiteral("%1 は既に存在します。\n置き換えますか?"));
    }

    void calendarNamesTheMonthInJapanese()
    {
        QCalendarWidget calendar;
        calendar.setCurrentPage(2026, 12);
        const QToolButton* month =
            calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(month);
        QCOMPARE(month->text(), QStringLiteral("12月"));
    }
};

QTEST_MAIN(TestJapanese)
#include "test_japanese.moc"
