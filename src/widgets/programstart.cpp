#include "widgets/programstart.h"

#include "widgets/mainwindow.h"

#include "platform/fonts.h"
#include "rules/datafiles.h"
#include "widgets/dialogs.h"

#include <QCoreApplication>
#include <QDir>

namespace rova
{

ProgramStart::ProgramStart()
    : m_folder(QDir::currentPath()), m_instance(Dialogs::applicationTitle(), m_folder)
{
    QCoreApplication::setApplicationName(Dialogs::applicationTitle());
    fonts::registerSubstitutions();
}

ProgramStart::~ProgramStart() = default;

bool ProgramStart::open()
{
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
    m_forms = std::make_unique<Forms>();
    QObject::connect(&m_instance, &SingleInstance::activationRequested, m_forms->main.get(),
                     &MainWindow::comeForward);
    m_forms->main->show();
    return true;
}

} // namespace rova
