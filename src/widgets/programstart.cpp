#include "widgets/programstart.h"

#include "widgets/mainwindow.h"

#include "platform/datafolder.h"
#include "platform/fonts.h"
#include "platform/pdfproposal.h"
#include "platform/printsystem.h"
#include "platform/programinfo.h"
#include "rules/datafiles.h"
#include "widgets/dialogs.h"
#include "widgets/slipreader.h"

#include <QDir>

namespace rova
{

ProgramStart::ProgramStart(const QString& folder)
    : m_folder(folder), m_instance(Dialogs::applicationTitle(), m_folder)
{
    programinfo::identifyApplication();
    fonts::registerSubstitutions();
}

ProgramStart::~ProgramStart() = default;

bool ProgramStart::open()
{
    // Said before anything else, so the operator knows before typing what could not be kept.
    const QString problem = datafolder::prepare(m_folder);
    if (!problem.isEmpty())
        Dialogs::error(nullptr, problem);
    auto start = SingleInstance::Start::AlreadyRunning;
    bool checked = false;
    guarded(nullptr, [&] {
        start = m_instance.claim();
        checked = true;
    });
    if (!checked)
        return false; // the lock file could not be used: the box named it
    if (start == SingleInstance::Start::AlreadyRunning)
        Dialogs::tell(
            nullptr,
            QStringLiteral("%1 はすでに起動しています\n%2").arg(Dialogs::applicationTitle(), m_folder));
    if (start != SingleInstance::Start::Run)
        return false;
    // Only the copy that holds the folder's lock may clear it: no other copy is writing there.
    datafiles::removeLeftovers(m_folder, datafiles::names());
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
