// SPDX-License-Identifier: GPL-3.0-or-later
// Text from other programs: a character code page 932 holds under another code (the minus sign of a
// web page, the wave dash of another desktop program) becomes the one the files can store, however
// it enters a field: committed by the input method or pasted.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

class TestTextVariants : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

    QLineEdit* field(const QString& name) const
    {
        auto* edit = f->window()->findChild<QLineEdit*>(name);
        if (!edit)
            qFatal("no field %s", qPrintable(name));
        return edit;
    }

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init() { f = MainWindowFixture::started(); }
    void cleanup() { f.reset(); }

    void variantsBecomeCodePage932_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("paste"); // else committed by the input method
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("shown");
        const QString tel = QStringLiteral("03\u22121234\u22125678");
        QTest::newRow("minus signs pasted into the telephone") << "Edit_tel" << true << tel << "03-1234-5678";
        QTest::newRow("minus signs committed into the postal code")
            << "Edit_Zip" << false << QStringLiteral("105\u22120011") << "105-0011";
        QTest::newRow("wave dash committed into an item")
            << "Edit_G1" << false << QStringLiteral("10\u301C20個") << QStringLiteral("10\uFF5E20個");
        QTest::newRow("em dash, double bar and pound sign pasted into an address")
            << "Edit_Add2" << true << QStringLiteral("A\u2014B\u2016\u00A3")
            << QStringLiteral("A\u2015B\u2225\uFFE1");
        QTest::newRow("sender telephone pasted, kept in full width there")
            << "Edit_MyTEL" << true << tel << QStringLiteral("03\uFF0D1234\uFF0D5678");
        QTest::newRow("ordinary text is left as it is")
            << "Edit_Custo1" << false << QStringLiteral("山田　太郎") << QStringLiteral("山田　太郎");
    }
    void variantsBecomeCodePage932()
    {
        QFETCH(QString, field);
        QFETCH(bool, paste);
        QFETCH(QString, entered);
        QFETCH(QString, shown);
        QLineEdit* edit = this->field(field);
        edit->clear();
        f->focus(edit);
        if (paste) {
            QApplication::clipboard()->setText(entered);
            f->key(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        } else {
            MainWindowFixture::commitText(edit, entered);
        }
        QCOMPARE(edit->text(), shown);
        QCOMPARE(edit->cursorPosition(), int(shown.size()));
    }
};

QTEST_MAIN(TestTextVariants)
#include "test_textvariants.moc"
