// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/batch/columnmappingdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using rova::orders::Field;

ColumnMappingDialog::ColumnMappingDialog(const QStringList& header, const QString& fileName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Dialog_ColumnMapping"));
    setWindowTitle(QStringLiteral("列の割り当て"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("%1 の見出しは知っている形式のどれとも合いません。\n"
                                            "送り状の項目ごとに、読む列を選んでください。")
                                 .arg(QFileInfo(fileName).fileName()),
                             this);
    intro->setObjectName(QStringLiteral("Label_Intro"));
    intro->setTextFormat(Qt::PlainText);
    layout->addWidget(intro);

    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    QStringList choices{QStringLiteral("(なし)")};
    for (qsizetype i = 0; i < header.size(); ++i)
        choices << QStringLiteral("%1: %2").arg(i + 1).arg(header[i]);
    for (int f = 0; f < rova::orders::kFieldCount; ++f) {
        auto* box = new QComboBox(fields);
        box->setObjectName(QStringLiteral("ComboBox_") + rova::orders::fieldKey(Field(f)));
        box->addItems(choices);
        connect(box, &QComboBox::currentIndexChanged, this, &ColumnMappingDialog::updateOk);
        form->addRow(rova::orders::fieldCaption(Field(f)), box);
        m_boxes << box;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);

    m_rowsAreSlips = new QCheckBox(QStringLiteral("1行を1枚の送り状にする (注文番号でまとめない)"), this);
    m_rowsAreSlips->setObjectName(QStringLiteral("CheckBox_RowsAreSlips"));
    layout->addWidget(m_rowsAreSlips);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("Button_Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Button_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 600);
    updateOk();
}

rova::orders::ColumnMapping ColumnMappingDialog::mapping() const
{
    rova::orders::ColumnMapping mapping;
    for (int f = 0; f < rova::orders::kFieldCount; ++f) {
        const int chosen = m_boxes[f]->currentIndex();
        mapping.setColumn(Field(f), chosen > 0 ? std::optional<int>(chosen - 1) : std::nullopt);
    }
    mapping.rowsAreSlips = m_rowsAreSlips->isChecked();
    return mapping;
}

// A mapping that reads nothing would import empty slips.
void ColumnMappingDialog::updateOk()
{
    m_ok->setEnabled(!mapping().isEmpty());
}
