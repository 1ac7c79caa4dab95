#include "widgets/programstart.h"

#include "widgets/mainwindow.h"

#include "platform/datafolder.h"
#include "platform/fonts.h"
#include "platform/pdfproposal.h"
#include "platform/printsystem.h"
#include "platform/programinfo.h"
#include "widgets/dialogs.h"
#include "widgets/slipreader.h"

#include <QDir>

namespace rova
{

ProgramStart::ProgramStart(const QString& folder) : m_folder(folder), m_instance(Dialogs::applicationTitle())
{
    programinfo::identifyApplication();
    fonts::registerSubstitutions();
}

ProgramStart::~ProgramStart() = default;

bool ProgramStart::open()
{
    const QString problem = datafolder::prepare(m_folder);
    if (!m_instance.claim())
        return false;
    // Said before the operator types anything that could not be kept.
    if (!problem.isEmpty())
        Dialogs::error(nullptr, problem);
    // The windows and the sender book find their files in the working folder.
    QDir::setCurrent(m_folder);

    // The PDF printer names its files after the slip on the main window, made just below.
    print::setSystem(print::localPrinters(
        print::PdfProposal(m_folder, [this] { return slip::readSlip(*m_forms->main).name; })));

    m_forms = std::make_unique<Forms>();
    QObject::connect(&m_instance, &SingleInstance::activationRequested, m_forms->main.get(),
                     &MainWindow::comeForward);
    m_forms->main->show();
    return true;
}

} // namespace rova
