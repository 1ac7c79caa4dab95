// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/desktop.h"

#include <QTest>
#include <QUrlQuery>

class TestDesktop : public QObject
{
    Q_OBJECT
private:
    QList<QUrl> m_launched;

private slots:
    void init()
    {
        m_launched.clear();
        rova::desktop::setLauncher([this](const QUrl& url) { m_launched.append(url); });
    }
    void cleanup() { rova::desktop::setLauncher({}); }

    void mailUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("plain address keeps its order of subject, cc, bcc")
            << "support@example.jp"
            << QByteArray(
                   "mailto:support@example.jp?subject=rova%E3%81%B8%E3%81%AE%E5%95%8F%E3%81%84%E5%90%88"
                   "%E3%82%8F%E3%81%9B&cc=&bcc=&");
        QTest::newRow("plus and dot in the local part stay as typed")
            << "rova.help+slip@example.co.jp"
            << QByteArray(
                   "mailto:rova.help+slip@example.co.jp?subject=rova%E3%81%B8%E3%81%AE%E5%95%8F%E3%81%84"
                   "%E5%90%88%E3%82%8F%E3%81%9B&cc=&bcc=&");
        QTest::newRow("empty address still yields the subject")
            << ""
            << QByteArray(
                   "mailto:?subject=rova%E3%81%B8%E3%81%AE%E5%95%8F%E3%81%84%E5%90%88%E3%82%8F%E3%81%9B"
                   "&cc=&bcc=&");
    }
    void mailUrl()
    {
        QFETCH(QString, address);
        QFETCH(QByteArray, encoded);
        const QUrl url = rova::desktop::mailUrl(address);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.toEncoded(), encoded);
        QCOMPARE(QUrlQuery(url).queryItemValue("subject", QUrl::FullyDecoded),
                 QStringLiteral("rovaへの問い合わせ"));
    }

    void openMailHandsTheMailUrlToTheDesktop()
    {
        rova::desktop::openMail("support@example.jp");
        QCOMPARE(m_launched.size(), 1);
        QCOMPARE(m_launched.first(), rova::desktop::mailUrl("support@example.jp"));
    }

    void openUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("web page as configured")
            << "https://example.jp/rova/" << QByteArray("https://example.jp/rova/");
        QTest::newRow("query kept") << "https://example.jp/help?p=yamato&v=1.10"
                                    << QByteArray("https://example.jp/help?p=yamato&v=1.10");
        QTest::newRow("Japanese path encoded as a URL must be")
            << "https://example.jp/送り状" << QByteArray("https://example.jp/%E9%80%81%E3%82%8A%E7%8A%B6");
    }
    void openUrl()
    {
        QFETCH(QString, address);
        QFETCH(QByteArray, encoded);
        rova::desktop::openUrl(address);
        QCOMPARE(m_launched.size(), 1);
        QCOMPARE(m_launched.first().toEncoded(), encoded);
    }
};

QTEST_GUILESS_MAIN(TestDesktop)
#include "test_desktop.moc"
