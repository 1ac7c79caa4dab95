// SPDX-License-Identifier: GPL-3.0-or-later
// The web page and e-mail buttons hand their addresses to the desktop. The addresses are build
// options; a build without them leaves the buttons out (test_mainwindow_layout), and the sanitizer
// build of the Makefile sets both, so that these tests run there.

#include "support/controls.h"
#include "support/mainwindowfixture.h"

#include "platform/system/desktop.h"
#include "widgets/kit/dialogs.h"

#include <QPushButton>
#include <QTest>
#include <QUrl>

class TestMainWindowLinks : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f;
    QList<QUrl> m_opened;

private slots:
    void initTestCase() { MainWindowFixture::installFakePrinter(); }
    void init()
    {
        f = MainWindowFixture::started();
        m_opened.clear();
        rova::desktop::setLauncher([this](const QUrl& url) { m_opened << url; });
    }
    void cleanup()
    {
        rova::desktop::setLauncher({});
        f.reset();
    }

    void buttonOpensItsAddress_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address"); // as the build sets it
        QTest::addColumn<QString>("opened");  // what the desktop is given
        const QString web = QStringLiteral(ROVA_WEB_URL);
        const QString mail = QStringLiteral(ROVA_SUPPORT_MAIL);
        QTest::newRow("web page") << "BitBtn_WebHelp" << web << web;
        QTest::newRow("e-mail") << "BitBtn_SendMail" << mail
                                << QStringLiteral("mailto:%1?subject=rovaへの問い合わせ&cc=&bcc=&").arg(mail);
    }
    void buttonOpensItsAddress()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, opened);
        if (address.isEmpty())
            QSKIP("this build has no address for the button (ROVA_WEB_URL, ROVA_SUPPORT_MAIL; "
                  "make build-sanitize sets both)");
        auto* b = f->window()->findChild<QPushButton*>(name);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().toString(), opened);
        QCOMPARE(MainWindowFixture::shownTexts(), QStringList{});
    }

    void mailButtonTooltipNamesTheAddress()
    {
        const QString mail = QStringLiteral(ROVA_SUPPORT_MAIL);
        if (mail.isEmpty())
            QSKIP("this build has no support address (ROVA_SUPPORT_MAIL; make build-sanitize sets it)");
        QPushButton* b = ui(f->window()).BitBtn_SendMail;
        QVERIFY(b);
        QVERIFY2(b->toolTip().contains(mail), qPrintable(b->toolTip()));
        QCOMPARE(b->text(), QStringLiteral("E-Mail"));
    }
};

QTEST_MAIN(TestMainWindowLinks)
#include "test_mainwindow_links.moc"
