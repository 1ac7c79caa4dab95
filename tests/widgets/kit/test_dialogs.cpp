// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes as the operator sees them (title, no icon, button captions, which button answers what),
// what the guard shows for each kind of error, and the stand-in faces behind the form fonts.

#include "platform/print/fonts.h"
#include "rules/errors.h"
#include "widgets/kit/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace
{

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QStringList buttons;
    Qt::TextFormat shownAs = Qt::AutoText; // how the box's label takes its text
};

// Once the box is up, notes what it shows and presses the button with the given caption (or Escape).
void answerBox(SeenBox* seen, const QString& press)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerBox(seen, press); // not up yet
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            seen->shownAs = label->textFormat();
        for (QAbstractButton* b : box->buttons()) {
            seen->buttons << b->text();
            if (b->text() == press)
                b->click();
        }
        if (press.isEmpty())
            QTest::keyClick(box, Qt::Key_Escape);
    });
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void question_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("yes");
        QTest::newRow("はい is yes") << QStringLiteral("はい(&Y)") << true;
        QTest::newRow("いいえ is no") << QStringLiteral("いいえ(&N)") << false;
        QTest::newRow("Escape is no") << QString() << false;
    }
    void question()
    {
        QFETCH(QString, press);
        SeenBox seen;
        answerBox(&seen, press);
        QTEST(rova::Dialogs::ask(nullptr, QStringLiteral("印刷しますか?")), "yes");
        QCOMPARE(seen.title, QStringLiteral("◇rova_Yamato"));
        QCOMPARE(seen.text, QStringLiteral("印刷しますか?"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, (QStringList{"はい(&Y)", "いいえ(&N)"}));
    }

    void noticeAndErrorHaveOneOkButton()
    {
        for (const auto show : {&rova::Dialogs::tell, &rova::Dialogs::error}) {
            SeenBox seen;
            answerBox(&seen, QStringLiteral("OK"));
            show(nullptr, QStringLiteral("File not found"));
            QCOMPARE(seen.title, QStringLiteral("◇rova_Yamato"));
            QCOMPARE(seen.icon, QMessageBox::NoIcon);
            QCOMPARE(seen.buttons, QStringList{"OK"});
        }
    }

    // A value from a file may hold markup; the box shows it as it is and loads or links nothing.
    void markupIsShownLiterally_data()
    {
        QTest::addColumn<int>("kind"); // 0 question, 1 notice, 2 error
        QTest::addColumn<QString>("press");
        const QString ok = QStringLiteral("OK");
        QTest::newRow("question") << 0 << QStringLiteral("いいえ(&N)");
        QTest::newRow("notice") << 1 << ok;
        QTest::newRow("error box") << 2 << ok;
    }
    void markupIsShownLiterally()
    {
        QFETCH(int, kind);
        QFETCH(QString, press);
        const QString text =
            QStringLiteral("<img src=\"x.png\"><a href=\"https://example.com\">プリンタ</a>\n2行目");
        SeenBox seen;
        answerBox(&seen, press);
        if (kind == 0)
            rova::Dialogs::ask(nullptr, text);
        else
            (kind == 1 ? rova::Dialogs::tell : rova::Dialogs::error)(nullptr, text);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.shownAs, Qt::PlainText);
    }

    void guardShowsEveryError_data()
    {
        QTest::addColumn<std::function<void()>>("operation");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("nothing raised, nothing shown") << std::function<void()>([] {}) << QStringList{};
        QTest::newRow("the program's error, its message only")
            << std::function<void()>([] { throw rova::Error(QStringLiteral("File not found")); })
            << QStringList{"File not found"};
        QTest::newRow("a standard exception, its text")
            << std::function<void()>([] { throw std::runtime_error("disk full"); })
            << QStringList{"disk full"};
        QTest::newRow("anything else, a fixed text")
            << std::function<void()>([] { throw 42; }) << QStringList{"予期しないエラーが発生しました"};
    }
    void guardShowsEveryError()
    {
        QFETCH(std::function<void()>, operation);
        rova::Dialogs::setScripted(true);
        rova::guarded(nullptr, operation);
        QStringList shown;
        for (const rova::Dialogs::Shown& s : rova::Dialogs::takeShown()) {
            QCOMPARE(s.kind, rova::Dialogs::Kind::Error);
            shown << s.text;
        }
        rova::Dialogs::setScripted(false);
        QTEST(shown, "shown");
    }

    void formFontsFallBackToStandIns_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("standIn");
        QTest::newRow("screen gothic") << rova::fonts::screenGothic() << QStringLiteral("IPAPGothic");
        QTest::newRow("print mincho") << rova::fonts::printMincho() << QStringLiteral("IPAPMincho");
        QTest::newRow("print latin") << rova::fonts::printLatin() << QStringLiteral("DejaVu Sans");
    }
    void formFontsFallBackToStandIns()
    {
        QFETCH(QString, asked);
        QFETCH(QString, standIn);
        if (QFontDatabase::hasFamily(asked))
            QSKIP("the face itself is installed here");
        rova::fonts::registerSubstitutions();
        QCOMPARE(QFontInfo(QFont(asked)).family(), standIn);
        // The windows ask for the stand-in by its own name: the same face.
        QCOMPARE(rova::fonts::installedFace(asked), standIn);
    }
    void faceWithoutStandInIsLeftToQt()
    {
        const QString missing = QStringLiteral("ロバ明朝 無い書体");
        QCOMPARE(rova::fonts::installedFace(missing), missing);
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
