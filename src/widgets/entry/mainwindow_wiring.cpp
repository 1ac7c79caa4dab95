// Which control runs which handler. Every handler runs guarded: an error is shown and the window goes on.

#include "widgets/entry/mainwindow.h"

#include "rules/text/cp932.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace
{
void foldVariantsInPlace(QLineEdit* edit)
{
    const QString folded = rova::cp932::foldVariants(edit->text());
    if (folded == edit->text())
        return;
    const int caret = edit->cursorPosition(); // one character for one: the caret keeps its place
    edit->setText(folded);
    edit->setCursorPosition(caret);
}
} // namespace

void MainWindow::connectHandlers()
{
    const auto onClick = [this](QPushButton* button, void (MainWindow::*handler)()) {
        if (button)
            connect(button, &QPushButton::clicked, this,
                    [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    onClick(BitBtn_CLS, &MainWindow::confirmAndClearDestination);
    onClick(BitBtn_1, &MainWindow::transferPane);
    onClick(BitBtn_MemoCLS, &MainWindow::clearPane);
    onClick(BitBtn_WebHelp, &MainWindow::openWebHelp);
    onClick(BitBtn_SendMail, &MainWindow::writeSupportMail);
    onClick(BitBtn_PrnSet, &MainWindow::setUpPrinter);
    onClick(BitBtn_PrnSet2, &MainWindow::openPrintPosition);
    setFunctionKey(2, QStringLiteral("中止"), [this] { confirmAndQuit(); });
    setFunctionKey(5, QStringLiteral("貼付転送"), [this] { pasteAndTransfer(); });
    setFunctionKey(11, QStringLiteral("印刷"), [this] { confirmAndPrint(); });

    // Text from other programs may hold a character code page 932 has under another code (a minus
    // sign for its hyphen, a wave dash for its tilde): typed, committed or pasted, it becomes the one
    // the files can store. First, so the half-width mapping below sees the usual characters.
    for (QLineEdit* edit : findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Edit_"))))
        connect(edit, &QLineEdit::textChanged, this, [edit] { foldVariantsInPlace(edit); });
    for (QLineEdit* edit : {Edit_Zip, Edit_tel})
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { run([this, edit] { toHalfWidthInPlace(edit); }); });
    // Leaving a postal code field (Enter and Tab leave it too, after the dictionary's look-up has
    // read the code) shows the code as it is printed.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old == Edit_Zip || old == Edit_MyZip)
            run([old] { writeCodeInPlace(static_cast<QLineEdit*>(old)); });
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { run([this] { shadePane(); }); });
    connect(ComboBox_SEL, &QComboBox::activated, this, [this] { run([this] { applySlipType(); }); });
    trackFocus();
}
