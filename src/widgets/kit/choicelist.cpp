// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/choicelist.h"

#include "widgets/kit/dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rova
{

std::optional<int> chooseLine(QWidget* parent, const QString& prompt, const QStringList& lines)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Form_Choice"));
    dialog.setWindowTitle(Dialogs::applicationTitle());
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(prompt, &dialog);
    label->setObjectName(QStringLiteral("Label_Choice"));
    layout->addWidget(label);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("ListBox_Choice"));
    list->addItems(lines);
    list->setCurrentRow(0);
    // Wide enough for a whole address, as short as the lines allow.
    list->setMinimumWidth(list->sizeHintForColumn(0) + 24);
    list->setMaximumHeight(list->sizeHintForRow(0) * int(qMin(lines.size(), 8)) + 8);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();

    if (Dialogs::exec(dialog) != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return list->currentRow();
}

} // namespace rova
