// SPDX-License-Identifier: GPL-3.0-or-later
// Prints one filled slip of each form kind on the built-in PDF printer into the folder named by
// ROVA_RENDER_DIR, as slip-<kind>.pdf. Run by scripts/render-slips.sh; not part of the test suite.

#include "support/mainwindowfixture.h"
#include "support/testprinters.h"

#include "platform/print/fonts.h"
#include "platform/print/pdf/pdfprinter.h"
#include "rules/slip/sliplayout.h"
#include "widgets/kit/dialogs.h"
#include "widgets/programstart.h"

#include <QDir>
#include <QFile>
#include <QTest>

using rova::Dialogs;

class RenderSlips : public QObject
{
    Q_OBJECT
private slots:
    void render_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::newRow("発払　着払") << 0 << "slip-hatsubarai.pdf";
        QTest::newRow("タイムサービス") << 2 << "slip-timeservice.pdf";
        QTest::newRow("配達指定日") << 4 << "slip-haitatsubi.pdf";
    }
    void render()
    {
        QFETCH(int, type);
        QFETCH(QString, file);
        const QString folder = qEnvironmentVariable("ROVA_RENDER_DIR");
        QVERIFY2(!folder.isEmpty(), "ROVA_RENDER_DIR names the output folder");
        const QString path = QDir(folder).absoluteFilePath(file);
        QFile::remove(path);

        rova::fonts::registerSubstitutions();
        Dialogs::setScripted(true);
        testprinters::install(
            std::make_unique<rova::print::PdfPrinter>(&rova::askPdfFile, rova::print::PdfProposal()));
        const auto window = MainWindowFixture::started();
        window->chooseSlipType(type);
        window->fill();
        Dialogs::answerNext(true);
        Dialogs::answerNextFile(path);
        window->clickPrint();
        QTRY_COMPARE(Dialogs::pendingAnswers(), 0);
        QVERIFY(QFile::exists(path));
    }
};

QTEST_MAIN(RenderSlips)
#include "render_slips.moc"
