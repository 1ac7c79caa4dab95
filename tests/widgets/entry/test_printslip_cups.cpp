// SPDX-License-Identifier: GPL-3.0-or-later
// A filled slip of each form kind printed from the real window through a CUPS scheduler of the test's
// own: one page, and every value where the form expects it, measured in the PDF the queue wrote.

#include "support/mainwindowfixture.h"
#include "support/slipchecks.h"
#include "support/testprinters.h"

#include "platform/print/printerchoice.h"
#include "platform/print/printsystem.h"
#include "rules/slip/sliplayout.h"
#include "support/pdfwords.h"
#include "support/privatecupsserver.h"
#include "support/privatecupstest.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using rova::Dialogs;

namespace
{

const QString kPpd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
constexpr double kMmPerInch = 25.4;
constexpr double kTolerance = 0.1;

// The corner of the printable area of the paper the queue prints on, in millimetres from the paper's.
QPointF printableCorner(const QString& queue)
{
    const rova::print::Capabilities caps = testprinters::choice().system().capabilities(queue);
    const std::optional<int> paper = testprinters::choice().deviceMode().paper;
    for (const rova::print::Paper& p : caps.papers)
        if (paper == p.code)
            return {p.marginsMm.left(), p.marginsMm.top()};
    return {};
}

} // namespace

class TestPrintSlipCups : public QObject
{
    Q_OBJECT
    PrivateCupsServer m_server;
    std::unique_ptr<MainWindowFixture> m_window;

private slots:
    void initTestCase()
    {
        if (!QFile::exists(kPpd))
            PRIVATE_CUPS_UNAVAILABLE(
                QStringLiteral("the generic PDF printer description of cups-filters is not installed"));
        QString why;
        if (!m_server.start(&why))
            PRIVATE_CUPS_UNAVAILABLE(why);
        QCOMPARE(m_server.addQueue(QStringLiteral("Slip"), kPpd), QString());
        Dialogs::setScripted(true);
        m_window = MainWindowFixture::started();
    }

    void cleanupTestCase() { m_window.reset(); }

    void printedWhereTheFormExpects_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::newRow("発払　着払, no margins") << 0 << 0 << 0;
        QTest::newRow("タイムサービス, margins moving down and right") << 3 << 60 << 90;
        QTest::newRow("配達指定日, margins moving up and left") << 4 << -30 << -45;
    }
    void printedWhereTheFormExpects()
    {
        QFETCH(int, type);
        QFETCH(int, top);
        QFETCH(int, left);
        const QString output = m_server.outputPath(QStringLiteral("Slip"));
        QFile::remove(output);
        slipcheck::writeAssignments(m_window->folder(), {{rova::slip::slipTypes()[type], "Slip", "0",
                                                          QString::number(top), QString::number(left)}});
        m_window->chooseSlipType(type);
        m_window->fill();
        Dialogs::takeShown();

        Dialogs::answerNext(true);
        m_window->clickPrint();
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QCOMPARE(Dialogs::takeShown().size(), 1); // the question, no error
        QVERIFY(m_server.waitForIdle());
        QVERIFY2(QFile::exists(output), qPrintable(m_server.errorLogTail()));
        QCOMPARE(pdfPageCount(output), 1);

        const double dpiX = testprinters::choice().printResolution().x();
        const double dpiY = testprinters::choice().printResolution().y();
        const QPointF corner = printableCorner(QStringLiteral("Slip"));
        const QList<PdfWord> words = pdfWords(output);
        for (const slipcheck::Expected& e : slipcheck::filledLayout(slipcheck::kindOf(type))) {
            const QPointF at(corner.x() + e.x * kMmPerInch / 160 + left * kMmPerInch / dpiX,
                             corner.y() + e.y * kMmPerInch / 160 + top * kMmPerInch / dpiY);
            // The text tool measures a Japanese face's glyph box from its own idea of the ascent, up to
            // 0.06 em below the cell top the canvas used.
            const double slack = e.family == rova::slip::kMincho ? 0.06 * e.points * kMmPerInch / 72 : 0;
            bool found = false;
            for (const PdfWord& w : words) {
                // The text tool cuts Japanese text into words of its own choosing, and joins boxes
                // that stand close together.
                const double dy = w.boxMm.top() - at.y();
                const bool rowFits = dy >= -kTolerance && dy <= kTolerance + slack;
                if (!w.text.isEmpty() && (e.text.startsWith(w.text) || w.text.startsWith(e.text)))
                    found = found || (rowFits && qAbs(w.boxMm.left() - at.x()) <= kTolerance);
                else if (w.text.endsWith(e.text)) // joined to the box before it
                    found = found || (rowFits && at.x() > w.boxMm.left() && at.x() < w.boxMm.right());
            }
            QVERIFY2(
                found,
                qPrintable(QStringLiteral("%1 not found at %2, %3 mm").arg(e.text).arg(at.x()).arg(at.y())));
        }
    }
};

QTEST_MAIN(TestPrintSlipCups)
#include "test_printslip_cups.moc"
