// SPDX-License-Identifier: GPL-3.0-or-later
// The slip type list and what it switches: the delivery-date caption, the time boxes, the count.

#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include "rules/orders/timeslot.h"
#include "widgets/numberedit/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

void MainWindow::buildTimeGroups()
{
    using namespace rova::ui;
    m_timeSlotGroup = new QGroupBox(QStringLiteral("ご希望時間帯"), m_optionsBand);
    m_timeSlotGroup->setObjectName(QStringLiteral("GroupBox_Time"));
    m_timeSlotGroup->setGeometry(600, 1, 80, 96);
    m_timeSlotGroup->setFont(gothic(12));
    const QStringList& times = rova::orders::timeSlotCaptions();
    QCheckBox** boxes[] = {&m_timeSlot1, &m_timeSlot2, &m_timeSlot3,
                           &m_timeSlot4, &m_timeSlot5, &m_timeSlot6};
    for (int i = 0; i < 6; ++i)
        *boxes[i] = checkBox(m_timeSlotGroup, QStringLiteral("CheckBox_t%1").arg(i + 1), times[i],
                             QRect(6, 12 + 13 * i, 72, 14), 12);

    m_promisedTimeGroup = new QGroupBox(QStringLiteral("お約束時刻"), m_optionsBand);
    m_promisedTimeGroup->setObjectName(QStringLiteral("GroupBox_Time2"));
    m_promisedTimeGroup->setGeometry(600, 1, 80, 72);
    m_promisedTimeGroup->setFont(gothic(12));
    const QStringList& promised = rova::orders::promisedTimeCaptions();
    m_promisedTime1 =
        checkBox(m_promisedTimeGroup, QStringLiteral("CheckBox_t21"), promised[0], QRect(6, 20, 68, 14), 12);
    m_promisedTime2 =
        checkBox(m_promisedTimeGroup, QStringLiteral("CheckBox_t22"), promised[1], QRect(6, 43, 68, 14), 12);
    m_promisedTimeGroup->hide();
    // The caption sits on the frame line, as on the forms, so the first box below it stays clear.
    for (QGroupBox* group : {m_timeSlotGroup, m_promisedTimeGroup})
        group->setStyleSheet(
            QStringLiteral("QGroupBox { margin-top: 6px; border: 1px solid palette(mid); }"
                           "QGroupBox::title { subcontrol-origin: margin; left: 4px; top: -1px; }"));

    for (QCheckBox* box : timeBoxes())
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            if (on)
                timeBoxTicked(box);
        });
}

QList<QCheckBox*> MainWindow::timeBoxes() const
{
    return {m_timeSlot1, m_timeSlot2, m_timeSlot3,     m_timeSlot4,
            m_timeSlot5, m_timeSlot6, m_promisedTime1, m_promisedTime2};
}

void MainWindow::timeBoxTicked(QCheckBox* box)
{
    const QList<QCheckBox*> hours{m_timeSlot1, m_timeSlot2, m_timeSlot3,
                                  m_timeSlot4, m_timeSlot5, m_timeSlot6};
    const QList<QCheckBox*> promised{m_promisedTime1, m_promisedTime2};
    for (QCheckBox* other : hours.contains(box) ? hours : promised)
        if (other != box)
            other->setChecked(false);
}

namespace
{
// What each form kind shows; both feed variants of a kind behave alike.
struct FormKind {
    const char16_t* prefix;
    const char16_t* dateCaption;
    bool promisedTime; // the two promised times instead of the six time slots
    bool count;
};
constexpr FormKind kFormKinds[] = {
    {u"発払　着払", u"ご希望お届け日", false, false},
    {u"タイムサービス", u"配達ご指定日", true, false},
    {u"配達指定日", u"　配達指定日", false, true},
};
} // namespace

void MainWindow::applySlipType()
{
    loadPrintSettings();

    const QString type = m_slipType->currentText();
    for (const FormKind& kind : kFormKinds) {
        if (type.isEmpty() || !type.startsWith(QString::fromUtf16(kind.prefix)))
            continue;
        m_deliveryDateCaption->setText(QString::fromUtf16(kind.dateCaption));
        m_deliveryDateCaption->adjustSize();
        nameControls();
        QGroupBox* shown = kind.promisedTime ? m_promisedTimeGroup : m_timeSlotGroup;
        QGroupBox* hidden = kind.promisedTime ? m_timeSlotGroup : m_promisedTimeGroup;
        hidden->hide();
        shown->move(600, 1);
        shown->show();
        m_countCaption->setVisible(kind.count);
        // A delivery-date slip starts without a count. Set, not cleared: clearing is an edit the
        // operator could undo, which would bring the previous slip's count back.
        if (kind.count)
            m_count->setText(QString());
        m_count->setVisible(kind.count);
        break;
    }
    for (QCheckBox* box : timeBoxes())
        box->setChecked(false);
}
