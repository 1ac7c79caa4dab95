#include "widgets/programstart.h"

#include "widgets/mainwindow.h"

#include "platform/fonts.h"
#include "widgets/dialogs.h"

#include <QCoreApplication>

namespace rova
{

ProgramStart::ProgramStart() : m_instance(Dialogs::applicationTitle())
{
    QCoreApplication::setApplicationName(Dialogs::applicationTitle());
    fonts::registerSubstitutions();
}

ProgramStart::~ProgramStart() = default;

bool ProgramStart::open()
{
    if (!m_instance.claim())
        return false;
    m_forms = std::make_unique<Forms>();
    QObject::connect(&m_instance, &SingleInstance::activationRequested, m_forms->main.get(),
                     &MainWindow::comeForward);
    m_forms->main->show();
    return true;
}

} // namespace rova
