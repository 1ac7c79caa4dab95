// SPDX-License-Identifier: GPL-3.0-or-later
// The print position dialog's "伝票番号": the tracking number of the next blank form in the slip
// type's printer, which printing counts up from.

#include "widgets/printer/printpositiondialog.h"

#include "platform/store/trackingstacks.h"
#include "rules/errors.h"
#include "rules/slip/trackingnumber.h"
#include "widgets/kit/widgetkit.h"

#include <QLabel>
#include <QLineEdit>

void PrintPositionDialog::addNumberField()
{
    m_trackingNumberCaption = new QLabel(QStringLiteral("伝票番号"), this);
    m_trackingNumberCaption->setObjectName(QStringLiteral("Label_TrackingNumber"));
    m_trackingNumberCaption->setFont(rova::ui::gothic(12));
    m_trackingNumberCaption->setGeometry(18, 134, 64, 24);
    m_trackingNumber = new QLineEdit(this);
    m_trackingNumber->setObjectName(QStringLiteral("Edit_TrackingNumber"));
    m_trackingNumber->installEventFilter(this);
    m_trackingNumber->setGeometry(90, 134, 150, 24);
    m_trackingNumber->setPlaceholderText(QStringLiteral("0000-0000-0000"));
    m_trackingNumber->setToolTip(
        QStringLiteral("プリンタにある次の送り状の伝票番号。空にすると番号を付けません。"));
    m_trackingNumberCaption->setBuddy(m_trackingNumber);
}

void PrintPositionDialog::setNumbersFolder(const QString& folder)
{
    m_numbersFolder = folder;
}

void PrintPositionDialog::showNextNumber()
{
    m_shownNumber.clear();
    m_trackingNumber->clear();
    m_trackingNumber->setEnabled(false);
    if (m_numbersFolder.isEmpty() || !m_slip)
        return;
    try {
        m_shownNumber =
            rova::store::TrackingStacks(m_numbersFolder).next(m_slip().slipType).value_or(QString());
    } catch (const rova::Error& e) {
        // The margins can still be registered; the field says why the number cannot.
        m_trackingNumber->setPlaceholderText(e.message());
        return;
    }
    m_trackingNumber->setText(m_shownNumber.isEmpty() ? QString() : rova::tracking::display(m_shownNumber));
    m_trackingNumber->setEnabled(true);
}

std::optional<QString> PrintPositionDialog::changedNumber() const
{
    if (!m_trackingNumber->isEnabled())
        return std::nullopt;
    const QString typed = m_trackingNumber->text().trimmed();
    const QString number = typed.isEmpty() ? QString() : rova::tracking::parse(typed);
    return number == m_shownNumber ? std::nullopt : std::optional(number);
}

void PrintPositionDialog::registerNumber(const QString& number)
{
    rova::store::TrackingStacks(m_numbersFolder).setNext(m_slip().slipType, number);
}
