// SPDX-License-Identifier: GPL-3.0-or-later
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
    m_destinationCaption =
        label(m_destinationBand, QStringLiteral("Label_1"), QStringLiteral("お届け先"), 18, 8, 16, true);

    labelPanel(m_destinationBand, QStringLiteral("Panel26"), QStringLiteral("郵便番号"),
               QRect(40, 25, 74, 24));
    m_zip = edit(m_destinationBand, QStringLiteral("Edit_Zip"), QRect(114, 25, 103, 24), 16);
    limitTyping(m_zip, 16);
    m_zip->setInputMethodHints(latinOnly);

    m_addressWarning = label(m_destinationBand, QStringLiteral("Label_Warning"), QString(), 220, 36, 13);
    setTextColour(m_addressWarning, Qt::red);

    labelPanel(m_destinationBand, QStringLiteral("Panel27"), QStringLiteral("おところ①"),
               QRect(40, 49, 74, 24));
    m_add1 = edit(m_destinationBand, QStringLiteral("Edit_Add1"), QRect(114, 49, 440, 24), 16);

    labelPanel(m_destinationBand, QStringLiteral("Panel28"), QStringLiteral("おところ②"),
               QRect(40, 73, 74, 24));
    m_add2 = edit(m_destinationBand, QStringLiteral("Edit_Add2"), QRect(114, 73, 440, 24), 16);

    labelPanel(m_destinationBand, QStringLiteral("Panel2"), QStringLiteral("おところ③"),
               QRect(39, 97, 74, 24));
    m_add3 = edit(m_destinationBand, QStringLiteral("Edit_Add3"), QRect(113, 97, 440, 24), 16);

    labelPanel(m_destinationBand, QStringLiteral("Panel5"), QStringLiteral("おなまえ"),
               QRect(39, 121, 74, 24));
    m_name = edit(m_destinationBand, QStringLiteral("Edit_Custo1"), QRect(113, 121, 360, 24), 16);
    limitTyping(m_name, 80);

    labelPanel(m_destinationBand, QStringLiteral("Panel7"), QStringLiteral("でんわ"), QRect(39, 145, 74, 24));
    m_tel = edit(m_destinationBand, QStringLiteral("Edit_tel"), QRect(113, 145, 140, 24), 16);
    m_tel->setInputMethodHints(latinOnly);

    m_clearDestinationButton =
        button(m_destinationBand, QStringLiteral("BitBtn_CLS"), QString(), QRect(610, 60, 39, 39), false);
    m_clearDestinationButton->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    m_clearDestinationCaption =
        label(m_destinationBand, QStringLiteral("Label10"), QStringLiteral("お届け先ｸﾘｱ"), 600, 100, 12);

    m_fontSize = new QComboBox(m_destinationBand);
    m_fontSize->setObjectName(QStringLiteral("ComboBox_FontSize"));
    m_fontSize->addItems({QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")});
    m_fontSize->setCurrentIndex(1);
    m_fontSize->hide();
    label(m_destinationBand, QStringLiteral("Label_FontSize"), QStringLiteral("印字ﾌｫﾝﾄｻｲｽﾞ"), 0, 0, 12)
        ->hide();
}

void MainWindow::showAddressWarning()
{
    if (rova::orders::address1TooLong(m_add1->text()))
        m_addressWarning->setText(rova::orders::markText(rova::orders::MarkCode::Address1TooLong));
    else
        m_addressWarning->clear();
    m_addressWarning->adjustSize();
}

QList<QLineEdit*> MainWindow::AddressFields::all() const
{
    QList<QLineEdit*> fields{zip, add1, add2, add3, name, tel};
    fields.removeAll(nullptr);
    return fields;
}

MainWindow::AddressFields MainWindow::destinationFields() const
{
    return {m_zip, m_add1, m_add2, m_add3, m_name, m_tel};
}

void MainWindow::focusDestination()
{
    m_zip->setFocus(Qt::OtherFocusReason);
}

void MainWindow::clearDestination()
{
    m_addressWarning->clear();
    // Address 3 is not part of what the clear command empties.
    for (QLineEdit* field : {m_zip, m_add1, m_add2, m_name, m_tel})
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
