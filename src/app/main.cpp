#include "app/forms.h"
#include "app/tform_main.h"

#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/singleinstance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(rova::Dialogs::applicationTitle());
    rova::fonts::registerSubstitutions();

    rova::SingleInstance instance(rova::Dialogs::applicationTitle());
    if (instance.bringExistingForward())
        return 0;
    instance.listen();

    rova::Forms forms;
    QObject::connect(&instance, &rova::SingleInstance::activationRequested, forms.main.get(),
                     &TForm_Main::comeForward);
    forms.main->show();
    return app.exec();
}
