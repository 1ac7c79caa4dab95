// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start, through the same steps as main(), ending once the show sequence has put the
// focus in Edit_Zip. Prints the peak resident size in KiB at that point. With "--close" the window is
// then closed as the operator closes it, saving the settings, and the size is taken after that.

#include "peakmemory.h"

#include "widgets/entry/mainwindow.h"
#include "widgets/programstart.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rova::ProgramStart start(QDir::currentPath());
    if (!start.open())
        return 1; // another copy is running: nothing of ours was measured

    const bool close = app.arguments().contains(QStringLiteral("--close"));
    const QWidget* zip = start.mainWindow().findChild<QWidget*>(QStringLiteral("Edit_Zip"));
    const auto quitWhenReady = [&] {
        // A box during start waits for an operator the benchmark does not have: say what it says.
        if (QWidget* box = QApplication::activeModalWidget()) {
            for (const QLabel* label : box->findChildren<QLabel*>())
                std::fprintf(stderr, "box shown during start: %s\n", qPrintable(label->text()));
            std::exit(3);
        }
        if (QApplication::focusWidget() != zip)
            return;
        if (close)
            start.mainWindow().close();
        app.exit(0); // not quit(): that closes the window, and closing saves the settings
    };
    QObject::connect(&app, &QApplication::focusChanged, &app, quitWhenReady, Qt::QueuedConnection);
    QTimer::singleShot(0, &app, quitWhenReady);
    const int status = app.exec();
    std::printf("%ld\n", bench::peakResidentKiB());
    return status;
}
