// SPDX-License-Identifier: GPL-3.0-or-later
// Which control runs which handler. Every handler runs guarded: an error is shown and the window goes on.

#include "widgets/entry/mainwindow.h"

#include "platform/print/printerchoice.h"
#include "rules/text/cp932.h"
#include "widgets/kit/dialogs.h"

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
    // A server that answers again (or new printers) shows in the printer group at once.
    // Noticed in the background, so no box: the printer group itself says what is wrong.
    connect(&m_printers, &rova::print::PrinterChoice::changed, this, [this] {
        try {
            showRegisteredPrinter();
        } catch (const rova::Error& e) {
            showPrinterMissing(e.message());
        }
    });
    onClick(m_clearDestinationButton, &MainWindow::confirmAndClearDestination);
    onClick(m_transferButton, &MainWindow::transferPane);
    onClick(m_clearPaneButton, &MainWindow::clearPane);
    onClick(m_webHelpButton, &MainWindow::openWebHelp);
    onClick(m_sendMailButton, &MainWindow::writeSupportMail);
    onClick(m_printerSetupButton, &MainWindow::setUpPrinter);
    onClick(m_printPositionButton, &MainWindow::openPrintPosition);
    setFunctionKey(2, QStringLiteral("中止"), [this] { confirmAndQuit(); });
    setFunctionKey(5, QStringLiteral("貼付転送"), [this] { pasteAndTransfer(); });
    setFunctionKey(11, QStringLiteral("印刷"), [this] { confirmAndPrint(); });

    // Text from other programs may hold a character code page 932 has under another code (a minus
    // sign for its hyphen, a wave dash for its tilde): typed, committed or pasted, it becomes the one
    // the files can store. First, so the half-width mapping below sees the usual characters.
    for (QLineEdit* edit : findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Edit_"))))
        connect(edit, &QLineEdit::textChanged, this, [edit] { foldVariantsInPlace(edit); });
    for (QLineEdit* edit : {m_zip, m_tel})
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { run([this, edit] { toHalfWidthInPlace(edit); }); });
    // Leaving a postal code field (Enter and Tab leave it too, after the dictionary's look-up has
    // read the code) shows the code as it is printed.
    // Each field watches for itself: the window's own members are gone while its destruction
    // still moves the focus.
    for (QLineEdit* zip : {m_zip, m_senderZip})
        connect(qApp, &QApplication::focusChanged, zip, [zip](QWidget* old, QWidget*) {
            if (old == zip)
                rova::guarded(zip, [zip] { writeCodeInPlace(zip); });
        });
    connect(m_pane, &QPlainTextEdit::textChanged, this, [this] { run([this] { shadePane(); }); });
    connect(m_slipType, &QComboBox::activated, this, [this] { run([this] { applySlipType(); }); });
    trackFocus();
}
