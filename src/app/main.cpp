#include "widgets/programstart.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rova::ProgramStart start(QDir::currentPath());
    if (!start.open())
        return 0;
    return app.exec();
}
