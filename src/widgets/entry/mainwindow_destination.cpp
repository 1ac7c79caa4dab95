// The destination band: address fields, the address warning, the clear command, the half-width
// postal code and telephone, and how a postal code is shown.

#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include "rules/orders/marks.h"
#include "rules/postal/postalcode.h"
#include "rules/text/halfwidth.h"
#include "widgets/kit/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace
{
constexpr Qt::InputMethodHints latinOnly = Qt::ImhPreferLatin | Qt::ImhLatinOnly;
}

void MainWindow::buildDestination()
{
    using namespace rova::ui;
    Label_1 = label(Panel1, QStringLiteral("Label_1"), QStringLiteral("お届け先"), 18, 8, 16, true);

    labelPanel(Panel1, QStringLiteral("Panel26"), QStringLiteral("郵便番号"), QRect(40, 25, 74, 24));
    Edit_Zip = edit(Panel1, QStringLiteral("Edit_Zip"), QRect(114, 25, 103, 24), 16);
    limitTyping(Edit_Zip, 16);
    Edit_Zip->setInputMethodHints(latinOnly);

    Label_Warning = label(Panel1, QStringLiteral("Label_Warning"), QString(), 220, 36, 13);
    setTextColour(Label_Warning, Qt::red);

    labelPanel(Panel1, QStringLiteral("Panel27"), QStringLiteral("おところ①"), QRect(40, 49, 74, 24));
    Edit_Add1 = edit(Panel1, QStringLiteral("Edit_Add1"), QRect(114, 49, 440, 24), 16);

    labelPanel(Panel1, QStringLiteral("Panel28"), QStringLiteral("おところ②"), QRect(40, 73, 74, 24));
    Edit_Add2 = edit(Panel1, QStringLiteral("Edit_Add2"), QRect(114, 73, 440, 24), 16);

    labelPanel(Panel1, QStringLiteral("Panel2"), QStringLiteral("おところ③"), QRect(39, 97, 74, 24));
    Edit_Add3 = edit(Panel1, QStringLiteral("Edit_Add3"), QRect(113, 97, 440, 24), 16);

    labelPanel(Panel1, QStringLiteral("Panel5"), QStringLiteral("おなまえ"), QRect(39, 121, 74, 24));
    Edit_Custo1 = edit(Panel1, QStringLiteral("Edit_Custo1"), QRect(113, 121, 360, 24), 16);
    limitTyping(Edit_Custo1, 80);

    labelPanel(Panel1, QStringLiteral("Panel7"), QStringLiteral("でんわ"), QRect(39, 145, 74, 24));
    Edit_tel = edit(Panel1, QStringLiteral("Edit_tel"), QRect(113, 145, 140, 24), 16);
    Edit_tel->setInputMethodHints(latinOnly);

    BitBtn_CLS = button(Panel1, QStringLiteral("BitBtn_CLS"), QString(), QRect(610, 60, 39, 39), false);
    BitBtn_CLS->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    Label10 = label(Panel1, QStringLiteral("Label10"), QStringLiteral("お届け先ｸﾘｱ"), 600, 100, 12);

    ComboBox_FontSize = new QComboBox(Panel1);
    ComboBox_FontSize->setObjectName(QStringLiteral("ComboBox_FontSize"));
    ComboBox_FontSize->addItems({QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")});
    ComboBox_FontSize->setCurrentIndex(1);
    ComboBox_FontSize->hide();
    label(Panel1, QStringLiteral("Label_FontSize"), QStringLiteral("印字ﾌｫﾝﾄｻｲｽﾞ"), 0, 0, 12)->hide();
}

void MainWindow::showAddressWarning()
{
    if (rova::orders::address1TooLong(Edit_Add1->text()))
        Label_Warning->setText(rova::orders::markText(rova::orders::MarkCode::Address1TooLong));
    else
        Label_Warning->clear();
    Label_Warning->adjustSize();
}

QList<QLineEdit*> MainWindow::AddressFields::all() const
{
    QList<QLineEdit*> fields{zip, add1, add2, add3, name, tel};
    fields.removeAll(nullptr);
    return fields;
}

MainWindow::AddressFields MainWindow::destinationFields() const
{
    return {Edit_Zip, Edit_Add1, Edit_Add2, Edit_Add3, Edit_Custo1, Edit_tel};
}

void MainWindow::focusDestination()
{
    Edit_Zip->setFocus(Qt::OtherFocusReason);
}

void MainWindow::clearDestination()
{
    Label_Warning->clear();
    for (QLineEdit* field : destinationFields().all())
        field->clear();
}

void MainWindow::confirmAndClearDestination()
{
    if (rova::Dialogs::ask(this, QStringLiteral("お届け先をクリアますか?")))
        clearDestination();
}

void MainWindow::toHalfWidthInPlace(QLineEdit* edit)
{
    const QString text = edit->text();
    const QString half = rova::toHalfWidth(text);
    if (half == text)
        return;
    // The caret stays behind the same character, wherever the mapping changed lengths before it.
    const int caret = int(rova::toHalfWidth(text.left(edit->cursorPosition())).size());
    edit->setText(half);
    edit->setCursorPosition(caret);
}

void MainWindow::writeCodeInPlace(QLineEdit* edit)
{
    if (const std::optional<int> code = rova::postal::parseCode(edit->text()))
        edit->setText(rova::postal::formatCode(*code));
}
