// Builds the program's windows in the current directory, shows the main window and saves a picture of
// it: grab-main-window <picture.png>. With order files after the picture, they are imported and the
// batch window is pictured instead. Message boxes are answered silently and listed on stderr.

#include "widgets/batchwindow.h"
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
    if (argc < 2) {
        qWarning("usage: grab-main-window <picture.png> [order file...]");
        return 2;
    }
    QCoreApplication::setApplicationName(rova::Dialogs::applicationTitle());
    rova::fonts::registerSubstitutions();
    rova::Dialogs::setScripted(true);

    rova::Forms forms(testprinters::choice(), QDir::currentPath());
    forms.main->show();
    QWidget* pictured = forms.main.get();
    if (argc > 2) {
        QStringList orders;
        for (int i = 2; i < argc; ++i)
            orders << QString::fromLocal8Bit(argv[i]);
        forms.batch->open();
        forms.batch->importFiles(orders);
        pictured = forms.batch.get();
    }
    if (!QTest::qWaitForWindowExposed(pictured))
        return 1;
    for (const auto& shown : rova::Dialogs::takeShown())
        qWarning("message: %s", qPrintable(shown.text));
    const bool saved = pictured->grab().save(QString::fromLocal8Bit(argv[1]));
    forms.main->hide(); // leaves the settings file as it was
    return saved ? 0 : 1;
}
