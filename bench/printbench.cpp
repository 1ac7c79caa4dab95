// SPDX-License-Identifier: GPL-3.0-or-later
#include "printbench.h"

#include "queues.h"
#include "support/controls.h"

#include "platform/print/installedprinters.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/kit/dialogs.h"
#include "widgets/programstart.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace bench
{

bool PrintBench::start(QString* why)
{
    if (!startWithQueues(server, 1, why))
        return false;
    queue = queueName(1);
    rova::Dialogs::setScripted(true);
    system = rova::print::installedPrinters(&rova::askPdfFile, rova::print::PdfProposal(folder.path()));
    printer = std::make_unique<rova::print::PrinterChoice>(*system);
    return true;
}

MainWindow& PrintBench::openWindow()
{
    forms = std::make_unique<rova::Forms>(*printer, folder.path());
    MainWindow& window = *forms->main;
    window.show();
    QCoreApplication::processEvents();
    const testsupport::MainWindowControls ui(window);
    ui.Edit_Zip->setText(QStringLiteral("105-0011"));
    ui.Edit_Add1->setText(QStringLiteral("東京都港区芝公園1-2-3"));
    ui.Edit_Add2->setText(QStringLiteral("芝公園ビル12階"));
    ui.Edit_Custo1->setText(QStringLiteral("山田　太郎"));
    ui.Edit_tel->setText(QStringLiteral("03-1234-5678"));
    ui.Edit_G1->setText(QStringLiteral("書籍"));
    return window;
}

void PrintBench::chooseSlipType(int index)
{
    auto* types = testsupport::control<QComboBox>(forms->main.get(), QStringLiteral("ComboBox_SEL"));
    types->setCurrentIndex(index);
    emit types->activated(index);
}

bool clickPrint(QPushButton* print, QString* why)
{
    using rova::Dialogs;
    Dialogs::takeShown();
    Dialogs::answerNext(true);
    print->click();
    for (const Dialogs::Shown& shown : Dialogs::takeShown()) {
        if (shown.kind == Dialogs::Kind::Error) {
            *why = shown.text;
            return false;
        }
    }
    return true;
}

} // namespace bench
