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
    GroupBox_Time = new QGroupBox(QStringLiteral("ご希望時間帯"), Panel4);
    GroupBox_Time->setObjectName(QStringLiteral("GroupBox_Time"));
    GroupBox_Time->setGeometry(600, 1, 80, 96);
    GroupBox_Time->setFont(gothic(12));
    const QStringList& times = rova::orders::timeSlotCaptions();
    QCheckBox** boxes[] = {&CheckBox_t1, &CheckBox_t2, &CheckBox_t3,
                           &CheckBox_t4, &CheckBox_t5, &CheckBox_t6};
    for (int i = 0; i < 6; ++i)
        *boxes[i] = checkBox(GroupBox_Time, QStringLiteral("CheckBox_t%1").arg(i + 1), times[i],
                             QRect(6, 12 + 13 * i, 72, 14), 12);

    GroupBox_Time2 = new QGroupBox(QStringLiteral("お約束時刻"), Panel4);
    GroupBox_Time2->setObjectName(QStringLiteral("GroupBox_Time2"));
    GroupBox_Time2->setGeometry(600, 1, 80, 72);
    GroupBox_Time2->setFont(gothic(12));
    const QStringList& promised = rova::orders::promisedTimeCaptions();
    CheckBox_t21 =
        checkBox(GroupBox_Time2, QStringLiteral("CheckBox_t21"), promised[0], QRect(6, 20, 68, 14), 12);
    CheckBox_t22 =
        checkBox(GroupBox_Time2, QStringLiteral("CheckBox_t22"), promised[1], QRect(6, 43, 68, 14), 12);
    GroupBox_Time2->hide();
    // The caption sits on the frame line, as on the forms, so the first box below it stays clear.
    for (QGroupBox* group : {GroupBox_Time, GroupBox_Time2})
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
    return {CheckBox_t1, CheckBox_t2, CheckBox_t3,  CheckBox_t4,
            CheckBox_t5, CheckBox_t6, CheckBox_t21, CheckBox_t22};
}

void MainWindow::timeBoxTicked(QCheckBox* box)
{
    const QList<QCheckBox*> hours{CheckBox_t1, CheckBox_t2, CheckBox_t3,
                                  CheckBox_t4, CheckBox_t5, CheckBox_t6};
    const QList<QCheckBox*> promised{CheckBox_t21, CheckBox_t22};
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

    const QString type = ComboBox_SEL->currentText();
    for (const FormKind& kind : kFormKinds) {
        if (type.isEmpty() || !type.startsWith(QString::fromUtf16(kind.prefix)))
            continue;
        Label_de_date->setText(QString::fromUtf16(kind.dateCaption));
        Label_de_date->adjustSize();
        nameControls();
        QGroupBox* shown = kind.promisedTime ? GroupBox_Time2 : GroupBox_Time;
        QGroupBox* hidden = kind.promisedTime ? GroupBox_Time : GroupBox_Time2;
        hidden->hide();
        shown->move(600, 1);
        shown->show();
        Label_KOSUU->setVisible(kind.count);
        // A delivery-date slip starts without a count. Set, not cleared: clearing is an edit the
        // operator could undo, which would bring the previous slip's count back.
        if (kind.count)
            KeNumEdit_KOSUU->setText(QString());
        KeNumEdit_KOSUU->setVisible(kind.count);
        break;
    }
    for (QCheckBox* box : timeBoxes())
        box->setChecked(false);
}
