// SPDX-License-Identifier: GPL-3.0-or-later
// The manual pages say what --help says: the English page names every option, file, environment
// variable and exit status of the help's tables, and the Japanese page is written from them.

#include "platform/cli/commandline.h"
#include "platform/cli/manualpage.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using rova::cli::HelpRow;

namespace
{
// As roff source writes it: hyphens escaped.
QString roff(QString text)
{
    return text.replace(u'-', QStringLiteral("\\-"));
}

QString englishPage()
{
    QFile file(QStringLiteral(ROVA_TEST_DATA "/../../packaging/rova-yamato.1.in"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The sections of the help, by their titles in the English page.
QList<std::pair<QString, QList<HelpRow>>> sections()
{
    return {{QStringLiteral("OPTIONS"), rova::cli::optionRows()},
            {QStringLiteral("FILES"), rova::cli::fileRows()},
            {QStringLiteral("ENVIRONMENT"), rova::cli::environmentRows()},
            {QStringLiteral("EXIT STATUS"), rova::cli::exitStatusRows()}};
}
} // namespace

class TestManualPage : public QObject
{
    Q_OBJECT
private slots:
    void englishPageNamesWhatHelpLists_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("name"); // as the page's source writes it
        for (const auto& [section, rows] : sections()) {
            for (const HelpRow& row : rows) {
                // "-h, --help" and "--data-dir DIR": each name; "my[0-9].txt": the first of them.
                for (QString name : row.left.split(QStringLiteral(", "))) {
                    name = name.section(u' ', 0, 0).replace(QStringLiteral("[0-9]"), QStringLiteral("0"));
                    QTest::addRow("%s %s", qPrintable(section), qPrintable(name)) << section << roff(name);
                }
            }
        }
    }
    void englishPageNamesWhatHelpLists()
    {
        QFETCH(QString, section);
        QFETCH(QString, name);
        const QString page = englishPage();
        const qsizetype from = page.indexOf(QStringLiteral("\n.SH ") + section + u'\n');
        QVERIFY2(from >= 0, qPrintable(section));
        const qsizetype to = page.indexOf(QStringLiteral("\n.SH "), from + 1);
        const QString body = page.mid(from, to < 0 ? -1 : to - from);
        // On a line of a font macro (.B, .BI, .IR, …), as a whole name.
        const QRegularExpression named(QStringLiteral("^\\.[BIR]+ .*") + QRegularExpression::escape(name) +
                                           QStringLiteral("(?![\\w\\\\])"),
                                       QRegularExpression::MultilineOption);
        QVERIFY2(named.match(body).hasMatch(), qPrintable(name));
    }

    void englishPageSaysWhatASecondStartDoes()
    {
        QVERIFY(englishPage().contains(QStringLiteral("Starting the program again on the same data folder")));
    }

    // Every row of the help, in its section, with hyphens and a leading dot kept from roff.
    void japanesePageHoldsTheHelpsRows()
    {
        const QString page =
            rova::cli::japaneseManualPage(QStringLiteral("1.10"), QStringLiteral("2026-12-09"));
        QVERIFY(
            page.startsWith(QStringLiteral(".TH ROVA\\-YAMATO 1 \"2026\\-12\\-09\" \"rova\\-yamato 1.10\"")));
        QVERIFY(page.contains(roff(rova::cli::secondStartText())));
        for (const auto& [section, rows] : sections()) {
            for (const HelpRow& row : rows) {
                const QString entry = QStringLiteral(".TP\n.B %1\n%2\n").arg(roff(row.left), roff(row.right));
                QVERIFY2(page.contains(entry), qPrintable(entry));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestManualPage)
#include "test_manualpage.moc"
