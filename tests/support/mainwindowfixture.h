// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows (through Forms) on a scratch data folder, with scripted message boxes and the
// installed printers, and the operator's means of input: keys to the window, committed Japanese text.
// The process's current folder is meanwhile an empty read-only one, so a stray read of it finds
// nothing and a stray write fails.

#include "support/readonlyfolder.h"
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

    // Fresh scratch data folder, boxes scripted; the list and the history on the server of the
    // URI `server` when one is given, else in the folder's file.
    explicit MainWindowFixture(const QString& server = {});
    ~MainWindowFixture(); // back to the previous current folder

    // Shows the window (running its show sequence) and waits until it is active.
    MainWindow* start();
    // A fixture whose window started with an empty registered sender in slot 0, so no box was shown.
    static std::unique_ptr<MainWindowFixture> started(const QString& server = {});
    MainWindow* window() const { return m_forms->main.get(); }
    MainWindow& main() const { return *m_forms->main; }
    QString folder() const { return m_dir.path(); }
    rova::Forms& forms() const { return *m_forms; }
    // Closes the window as the title bar does, which saves the settings.
    void closeWindow();
    // Ends this run and starts the program again in the same folder.
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

    // Picks the slip type with the keyboard in the slip-type list, as the operator does; the change
    // runs even when the type was already chosen.
    void chooseSlipType(int index);
    // Moves the slip-type list one step with Up or Down: one change runs.
    void stepSlipType(Qt::Key key);
    void focusSlipTypeList();
    // Fills every field of the slip with the sample slip's values (support/sampleslip.h).
    void fill();
    // Clicks "印刷" (F11 on the function-key bar).
    void clickPrint();
    // Before each test: no printer assignment file, no box remembered.
    void startAfresh();

    // Texts of the boxes shown since the last call, oldest first.
    static QStringList shownTexts();
    // The print question for the empty slip of a started() window: its sender is ticked but empty and
    // it has no item name.
    static QString emptySlipQuestion();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_elsewhere;
    ReadOnlyFolder m_readOnly{m_elsewhere.path()};
    QString m_previous;
    QString m_server;
    std::unique_ptr<rova::Forms> m_forms;
};
