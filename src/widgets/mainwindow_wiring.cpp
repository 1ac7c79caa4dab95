// Which control runs which handler. Every handler runs guarded: an error is shown and the window goes on.

#include "widgets/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

void MainWindow::connectHandlers()
{
    const auto onClick = [this](QPushButton* button, void (MainWindow::*handler)()) {
        if (button)
            connect(button, &QPushButton::clicked, this,
                    [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    onClick(BitBtn_CLS, &MainWindow::BitBtn_CLSClick);
    onClick(BitBtn_1, &MainWindow::BitBtn_1Click);
    onClick(BitBtn_MemoCLS, &MainWindow::BitBtn_MemoCLSClick);
    onClick(BitBtn_WebHelp, &MainWindow::BitBtn_WebHelpClick);
    onClick(BitBtn_SendMail, &MainWindow::BitBtn_SendMailClick);
    onClick(BitBtn_PrnSet, &MainWindow::BitBtn_PrnSetClick);
    onClick(BitBtn_PrnSet2, &MainWindow::BitBtn_PrnSet2Click);
    setFunctionKey(2, QStringLiteral("中止"), [this] { SpeedButton_F2Click(); });
    setFunctionKey(5, QStringLiteral("貼付転送"), [this] { pasteAndTransfer(); });
    setFunctionKey(11, QStringLiteral("印刷"), [this] { SpeedButton_F11Click(); });

    for (QLineEdit* edit : {Edit_Zip, Edit_tel})
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { run([this, edit] { toHalfWidthInPlace(edit); }); });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { run([this] { Memo1Change(); }); });
    connect(ComboBox_SEL, &QComboBox::activated, this, [this] { run([this] { ComboBox_SELChange(); }); });
    trackFocus();
}
