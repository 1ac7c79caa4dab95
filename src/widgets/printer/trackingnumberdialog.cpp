// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/printer/trackingnumberdialog.h"

#include "rules/errors.h"
#include "rules/slip/trackingnumber.h"
#include "widgets/kit/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace rova
{

TrackingNumberDialog::TrackingNumberDialog(QWidget* parent, const QString& title, const QString& prompt,
                                           const QStringList& slipTypes, const QString& slipType)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_TrackingNumber"));
    setWindowTitle(title);
    auto* form = new QFormLayout(this);
    if (!slipTypes.isEmpty()) {
        m_types = new QComboBox(this);
        m_types->setObjectName(QStringLiteral("ComboBox_SlipType"));
        m_types->addItems(slipTypes);
        m_types->setCurrentText(slipType);
        form->addRow(QStringLiteral("送り状"), m_types);
    }
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit_TrackingNumber"));
    m_edit->setPlaceholderText(QStringLiteral("0000-0000-0000"));
    form->addRow(prompt, m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TrackingNumberDialog::slipType() const
{
    return m_types ? m_types->currentText() : QString();
}

void TrackingNumberDialog::accept()
{
    try {
        m_number = tracking::parse(m_edit->text());
    } catch (const Error& e) {
        // The typed number stays, to be corrected.
        Dialogs::error(this, e.message());
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace rova
