// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/dialogs.h"

#include "rules/errors.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QQueue>
#include <QTimer>

namespace rova
{

namespace
{
struct Script {
    bool on = false;
    QQueue<bool> answers;
    QQueue<QString> files;
    QQueue<std::function<int(QDialog&)>> dialogs;
    QList<Dialogs::Shown> shown;
};

Script& script()
{
    static Script s;
    return s;
}

bool showBox(QWidget* parent, const QString& text, bool question, bool noByDefault = false,
             int closeAfterMs = 0)
{
    QMessageBox box(QMessageBox::NoIcon, Dialogs::applicationTitle(), text, QMessageBox::NoButton, parent);
    if (closeAfterMs > 0)
        QTimer::singleShot(closeAfterMs, &box, &QMessageBox::accept);
    // Texts come from files and other programs too: markup in them is shown, never followed.
    box.setTextFormat(Qt::PlainText);
    if (question) {
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(noByDefault ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return true;
}

void record(Dialogs::Kind kind, const QString& text, const QString& proposed = {}, bool noByDefault = false)
{
    script().shown.append({kind, text, proposed, noByDefault});
}
} // namespace

QString Dialogs::applicationTitle()
{
    return QStringLiteral("◇rova_Yamato");
}

bool Dialogs::ask(QWidget* parent, const QString& text, Answer byDefault)
{
    const bool noByDefault = byDefault == Answer::No;
    if (script().on) {
        record(Kind::Question, text, {}, noByDefault);
        return !script().answers.isEmpty() && script().answers.dequeue();
    }
    return showBox(parent, text, true, noByDefault);
}

void Dialogs::tell(QWidget* parent, const QString& text)
{
    if (script().on)
        return record(Kind::Notice, text);
    showBox(parent, text, false);
}

void Dialogs::tellBriefly(QWidget* parent, const QString& text, int closeAfterMs)
{
    if (script().on)
        return record(Kind::Notice, text);
    showBox(parent, text, false, false, closeAfterMs);
}

void Dialogs::error(QWidget* parent, const QString& text)
{
    if (script().on)
        return record(Kind::Error, text);
    showBox(parent, text, false);
}

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                              const QString& filter)
{
    if (script().on) {
        record(Kind::SaveFile, caption, proposed);
        return script().files.isEmpty() ? QString() : script().files.dequeue();
    }
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter)
{
    if (script().on) {
        record(Kind::OpenFile, caption, folder);
        return script().files.isEmpty() ? QString() : script().files.dequeue();
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QStringList Dialogs::openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter)
{
    if (script().on) {
        const QString file = openFileName(parent, caption, folder, filter);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString Dialogs::folderName(QWidget* parent, const QString& caption, const QString& start)
{
    if (script().on) {
        record(Kind::OpenFile, caption, start);
        return script().files.isEmpty() ? QString() : script().files.dequeue();
    }
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

int Dialogs::exec(QDialog& dialog)
{
    if (script().on) {
        record(Kind::Dialog, dialog.objectName());
        if (script().dialogs.isEmpty())
            return QDialog::Rejected;
        return script().dialogs.dequeue()(dialog);
    }
    // QDialog's own loop: a dialog whose exec() prepares itself and comes here is not run again.
    return dialog.QDialog::exec();
}

void Dialogs::setScripted(bool scripted)
{
    script() = Script{};
    script().on = scripted;
}

bool Dialogs::scripted()
{
    return script().on;
}
void Dialogs::answerNext(bool yes)
{
    script().answers.enqueue(yes);
}
void Dialogs::answerNextFile(const QString& path)
{
    script().files.enqueue(path);
}
void Dialogs::answerNextDialog(std::function<int(QDialog&)> handler)
{
    script().dialogs.enqueue(std::move(handler));
}

QList<Dialogs::Shown> Dialogs::takeShown()
{
    QList<Shown> out;
    out.swap(script().shown);
    return out;
}

int Dialogs::pendingAnswers()
{
    return int(script().answers.size() + script().files.size() + script().dialogs.size());
}

void guarded(QWidget* parent, const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const Error& e) {
        Dialogs::error(parent, e.message());
    } catch (const std::exception& e) {
        Dialogs::error(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        // Nothing may leave an event handler, whatever was thrown.
        Dialogs::error(parent, QStringLiteral("予期しないエラーが発生しました"));
    }
}

} // namespace rova
