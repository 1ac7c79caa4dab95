#include "widgets/programstart.h"

#include "widgets/mainwindow.h"

#include "platform/fonts.h"
#include "platform/installedprinters.h"
#include "platform/printerchoice.h"
#include "widgets/dialogs.h"
#include "widgets/printerwatch.h"

#include <QApplication>

namespace rova
{

QString askPdfFile(const QString& proposed)
{
    return Dialogs::saveFileName(QApplication::activeWindow(), QStringLiteral("PDF ファイルに保存"), proposed,
                                 QStringLiteral("PDF (*.pdf)"));
}

ProgramStart::ProgramStart(const QString& folder) : m_folder(folder), m_instance(Dialogs::applicationTitle())
{
    QCoreApplication::setApplicationName(Dialogs::applicationTitle());
    fonts::registerSubstitutions();
}

// The windows use the printers, so they go first.
ProgramStart::~ProgramStart()
{
    m_forms.reset();
}

bool ProgramStart::open()
{
    if (!m_instance.claim())
        return false;
    m_system = print::installedPrinters(&askPdfFile, m_folder);
    m_printers = std::make_unique<print::PrinterChoice>(*m_system);
    checkPrintersOnActivation(*m_printers);
    m_forms = std::make_unique<Forms>(*m_printers, m_folder);
    QObject::connect(&m_instance, &SingleInstance::activationRequested, m_forms->main.get(),
                     &MainWindow::comeForward);
    m_forms->main->show();
    return true;
}

} // namespace rova
