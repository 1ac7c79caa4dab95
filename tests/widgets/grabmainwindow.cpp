// Builds the program's windows in the current directory, shows the main window and saves a picture of
// it: grab-main-window <picture.png>. Message boxes are answered silently and listed on stderr.

#include "widgets/forms.h"
#include "widgets/mainwindow.h"

#include "platform/fonts.h"
#include "support/testprinters.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: grab-main-window <picture.png>");
        return 2;
    }
    QCoreApplication::setApplicationName(rova::Dialogs::applicationTitle());
    rova::fonts::registerSubstitutions();
    rova::Dialogs::setScripted(true);

    rova::Forms forms(testprinters::choice(), QDir::currentPath());
    forms.main->show();
    if (!QTest::qWaitForWindowExposed(forms.main.get()))
        return 1;
    for (const auto& shown : rova::Dialogs::takeShown())
        qWarning("message: %s", qPrintable(shown.text));
    const bool saved = forms.main->grab().save(QString::fromLocal8Bit(argv[1]));
    forms.main->hide(); // leaves the settings file as it was
    return saved ? 0 : 1;
}
