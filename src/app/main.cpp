#include "widgets/programstart.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rova::ProgramStart start;
    if (!start.open())
        return 0;
    return app.exec();
}
