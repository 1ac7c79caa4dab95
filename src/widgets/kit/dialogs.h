// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/kit: message boxes, the error guard and small widgets every window uses.
//
// Every modal box and dialog of the program goes through here, so that tests can answer them:
// in scripted mode nothing is shown, answers come from a queue and what would have been shown is recorded.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace rova
{

class Dialogs
{
public:
    static QString applicationTitle(); // "◇rova_Yamato"

    // Question with "はい(&Y)" / "いいえ(&N)"; true only for Yes. Enter answers `byDefault`.
    enum class Answer { Yes, No };
    static bool ask(QWidget* parent, const QString& text, Answer byDefault = Answer::Yes);
    // Notice with "OK".
    static void tell(QWidget* parent, const QString& text);
    // A notice with "OK" that also closes itself after `closeAfterMs`: for a process that ends with
    // it and must not wait for a click.
    static void tellBriefly(QWidget* parent, const QString& text, int closeAfterMs);
    // The standard error box: message text only, "OK".
    static void error(QWidget* parent, const QString& text);
    // A file name to save to, or empty when the operator cancelled.
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                const QString& filter);
    // A file to open, starting in `folder`, or empty when the operator cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter);
    // Files to open, or none when the operator cancelled. Scripted, each queued file answer is one
    // file (an empty one: cancelled).
    static QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                     const QString& filter);
    // A folder, starting at `start`, or empty when the operator cancelled. Scripted, it takes a
    // file answer and is recorded as an open-file dialog.
    static QString folderName(QWidget* parent, const QString& caption, const QString& start);
    // Runs a dialog of our own modally and returns its result code.
    static int exec(QDialog& dialog);

    // ---- test hook ----
    enum class Kind { Question, Notice, Error, SaveFile, OpenFile, Dialog };
    struct Shown {
        Kind kind;
        QString text;             // message text, caption of a save dialog, or object name of a dialog
        QString proposed;         // the path a save dialog proposed, the folder an open dialog started in
        bool noByDefault = false; // a question that Enter answers with No
    };
    static void setScripted(bool scripted);
    static bool scripted();
    static void answerNext(bool yes);
    static void answerNextFile(const QString& path);                    // empty = cancelled
    static void answerNextDialog(std::function<int(QDialog&)> handler); // runs instead of exec()
    static QList<Shown> takeShown(); // everything shown since the last call, oldest first
    static int pendingAnswers();     // answers queued and not yet used
};

// Runs an operation; an error escaping it (rova::Error or any std::exception) is shown in the error
// box with its message only, anything else thrown with a fixed text, and the program goes on. Event
// handlers wrap their work in this.
void guarded(QWidget* parent, const std::function<void()>& operation);

} // namespace rova
