// The reference for the program's start: a Qt Widgets program that shows one empty window and ends
// as soon as that window is active. Prints the peak resident size in KiB at that point.

#include "peakmemory.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const auto quitWhenReady = [&] {
        if (window.windowHandle() && QGuiApplication::focusWindow() == window.windowHandle())
            app.exit(0); // not quit(): that closes the window, and closing saves the settings
    };
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app, quitWhenReady, Qt::QueuedConnection);
    QTimer::singleShot(0, &app, quitWhenReady);
    window.show();
    const int status = app.exec();
    std::printf("%ld\n", bench::peakResidentKiB());
    return status;
}
