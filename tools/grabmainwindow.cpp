// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the program's windows in the current directory, shows the main window and saves a picture of
// it: grab-main-window <picture.png>. The windows print through a CUPS scheduler of its own with one
// slip printer queue, so they show the printer group as a shop with a printer sees it. With "history" after
// the picture's name it pictures the print history window instead, with a few slips recorded first; with
// "preview" it opens the preview with F9 and pictures it, and when a PDF file's name follows, prints the
// alignment sheet there with F12 (both on the built-in PDF printer alone, so no real queue is ever used);
// with order files after it, they are imported and the batch window is pictured. Message boxes are answered
// silently and listed on stderr.

#include "widgets/batch/batchwindow.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/forms.h"
#include "widgets/history/historywindow.h"
#include "widgets/preview/previewwindow.h"

#include "platform/print/fonts.h"
#include "platform/print/pdf/pdfprinter.h"
#include "platform/store/history.h"
#include "support/privatecupsserver.h"
#include "support/testprinters.h"
#include "widgets/kit/dialogs.h"
#include "widgets/programstart.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace
{
void recordSamples()
{
    rova::store::History history(QDir::currentPath());
    const struct {
        const char16_t *name, *tel, *zip, *add1, *g1;
    } samples[] = {
        {u"山田　太郎", u"06-1111-2222", u"530-0001", u"大阪府大阪市北区梅田１－２－３", u"書籍"},
        {u"ヤマダ　ハナコ", u"03-1234-5678", u"100-0001", u"東京都千代田区千代田１－１", u"りんご"},
        {u"佐藤商店", u"011-222-3333", u"060-0001", u"北海道札幌市中央区北一条西", u"文具"},
    };
    QDateTime at(QDate(2026, 12, 7), QTime(10, 15));
    for (const auto& s : samples) {
        rova::store::HistoryEntry e;
        e.printedAt = at = at.addSecs(5400);
        e.printer = QStringLiteral("Printer A");
        e.slip.slipType = QStringLiteral("発払い");
        e.slip.name = QString::fromUtf16(s.name);
        e.slip.tel = QString::fromUtf16(s.tel);
        e.slip.zip = QString::fromUtf16(s.zip);
        e.slip.add1 = QString::fromUtf16(s.add1);
        e.slip.g1 = QString::fromUtf16(s.g1);
        history.record(e);
    }
}
// A slip printer as a shop has one, the scheduler's default.
bool startPrinter(PrivateCupsServer& cups)
{
    const QString queue = QStringLiteral("Slip_Printer");
    QString why;
    if (cups.start(&why))
        why = cups.addQueue(queue, QStringLiteral(ROVA_TEST_DATA "/rova-test-slip.ppd"));
    if (why.isEmpty() && cups.run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}, &why) == 0)
        return true;
    qWarning("no private print server: %s", qPrintable(why));
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool historyWindow = argc == 3 && QByteArray(argv[2]) == "history";
    const bool previewWindow = (argc == 3 || argc == 4) && QByteArray(argv[2]) == "preview";
    if (argc < 2) {
        qWarning("usage: grab-main-window <picture.png> [history | preview [sheet.pdf] | order file...]");
        return 2;
    }
    QCoreApplication::setApplicationName(rova::Dialogs::applicationTitle());
    rova::fonts::registerSubstitutions();
    rova::Dialogs::setScripted(true);

    if (historyWindow)
        recordSamples();
    PrivateCupsServer cups;
    if (previewWindow) {
        testprinters::install(
            std::make_unique<rova::print::PdfPrinter>(&rova::askPdfFile, rova::print::PdfProposal()));
    } else if (!startPrinter(cups)) {
        return 1;
    }
    rova::Forms forms(testprinters::choice(), QDir::currentPath());
    forms.main->show();
    QWidget* pictured = forms.main.get();
    bool sheetPrinted = true;
    if (historyWindow) {
        forms.historyWindow->open();
        pictured = forms.historyWindow.get();
    } else if (previewWindow) {
        if (!QTest::qWaitForWindowExposed(forms.main.get()))
            return 1;
        QTest::keyClick(forms.main->windowHandle(), Qt::Key_F9);
        pictured = forms.preview.get();
        // At real size, where the values and the names of the form's places can be read.
        pictured->resize(980, 600);
        QTest::mouseClick(pictured->findChild<QWidget*>(QStringLiteral("Button_100")), Qt::LeftButton);
        if (argc == 4) {
            const QString sheet = QString::fromLocal8Bit(argv[3]);
            rova::Dialogs::answerNextFile(sheet);
            QTest::keyClick(pictured->windowHandle(), Qt::Key_F12);
            sheetPrinted = QFileInfo::exists(sheet);
        }
    } else if (argc > 2) {
        QStringList orders;
        for (int i = 2; i < argc; ++i)
            orders << QString::fromLocal8Bit(argv[i]);
        forms.batch->open();
        forms.batch->importFiles(orders);
        pictured = forms.batch.get();
    }
    if (!QTest::qWaitForWindowExposed(pictured))
        return 1;
    for (const auto& shown : rova::Dialogs::takeShown())
        qWarning("message: %s", qPrintable(shown.text));
    const bool saved = pictured->grab().save(QString::fromLocal8Bit(argv[1]));
    forms.main->hide(); // leaves the settings file as it was
    return saved && sheetPrinted ? 0 : 1;
}
