#pragma once
// The real main window in a scratch working directory, with scripted message boxes and a fake printer,
// and the operator's means of input: keys to the window, committed Japanese text, the clipboard.

#include "widgets/entry/mainwindow.h"
#include "widgets/forms.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace rova::print
{
class FakePrintSystem;
}

class MainWindowFixture
{
public:
    // Installs the fake print system once per process; call from initTestCase().
    static void installFakePrinter();
    // The installed fake, to look at the jobs the window made.
    static rova::print::FakePrintSystem& fakePrinter();

    MainWindowFixture();  // fresh scratch directory as the working directory, boxes scripted
    ~MainWindowFixture(); // back to the previous working directory

    // Shows the window (running its show sequence) and waits until it is active.
    MainWindow* start();
    // A fixture whose window started with an empty registered sender in slot 0, so no box was shown.
    static std::unique_ptr<MainWindowFixture> started();
    MainWindow* window() const { return m_forms->main.get(); }
    rova::Forms& forms() const { return *m_forms; }
    // Closes the window as the title bar does, which saves the settings.
    void closeWindow();
    // Ends this run and starts the program again in the same directory.
    MainWindow* restart();
    // Object name of the control holding the focus (the date picker for its inner edit).
    static QString focusedName();

    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    // Operator input to the focused control.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // A key with the text the desktop gives it, which the test's own keys lack for some keys:
    // Delete types "\x7f", Ctrl+V types "\x16".
    void key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    static void commitText(QWidget* target, const QString& text); // as an input method commits it
    void focus(QWidget* target) const;                            // a mouse click into the control
    void pickSlipType(int index) const;                           // arrow keys in the slip type list

    // Texts of the boxes shown since the last call, oldest first.
    static QStringList shownTexts();
    // The print question for the empty slip of a started() window: its sender is ticked but empty and
    // it has no item name.
    static QString emptySlipQuestion();

private:
    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<rova::Forms> m_forms;
};
