// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for the program's start: a Qt Widgets program that shows one empty window and ends
// as soon as that window is active. Prints the peak resident size in KiB at that point.
// With "--label" the window holds one line of Japanese text in the form's face, so the reference also
// pays for reading the font catalogue and loading one Japanese face, which any window with text does.

#include "peakmemory.h"

#include "platform/print/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (app.arguments().contains(QStringLiteral("--label"))) {
        rova::fonts::registerSubstitutions();
        auto* label = new QLabel(QStringLiteral("お届け先の郵便番号を入力して下さい"), &window);
        label->setFont(QFont(rova::fonts::screenGothic()));
    }
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
