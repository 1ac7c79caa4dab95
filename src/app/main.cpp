#include "platform/fonts.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rova::fonts::registerSubstitutions();
    QWidget window;
    window.show();
    return app.exec();
}
