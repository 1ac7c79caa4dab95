// Which control runs which handler. Every handler runs guarded: an error is shown and the window goes on.

#include "tform_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

void TForm_Main::connectHandlers()
{
    const auto onClick = [this](QPushButton* button, void (TForm_Main::*handler)()) {
        if (button)
            connect(button, &QPushButton::clicked, this,
                    [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    onClick(BitBtn_CLS, &TForm_Main::BitBtn_CLSClick);
    onClick(BitBtn_1, &TForm_Main::BitBtn_1Click);
    onClick(BitBtn_MemoCLS, &TForm_Main::BitBtn_MemoCLSClick);
    onClick(BitBtn_WebHelp, &TForm_Main::BitBtn_WebHelpClick);
    onClick(BitBtn_SendMail, &TForm_Main::BitBtn_SendMailClick);
    onClick(BitBtn_PrnSet, &TForm_Main::BitBtn_PrnSetClick);
    onClick(BitBtn_PrnSet2, &TForm_Main::BitBtn_PrnSet2Click);
    onClick(SpeedButton_F2, &TForm_Main::SpeedButton_F2Click);
    onClick(SpeedButton_F11, &TForm_Main::SpeedButton_F11Click);

    for (QLineEdit* edit : {Edit_Zip, Edit_tel})
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { run([this, edit] { toHalfWidthInPlace(edit); }); });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { run([this] { Memo1Change(); }); });
    connect(ComboBox_SEL, &QComboBox::activated, this, [this] { run([this] { ComboBox_SELChange(); }); });
    trackFocus();
}
