// SPDX-License-Identifier: GPL-3.0-or-later
// The margins in millimetres: shown beside the dots at the printer's resolution, nudged by half a
// millimetre, and followed by the preview while it is open. The file keeps dots.

#include "widgets/printer/printpositiondialog.h"

#include "rules/slip/pagegeometry.h"
#include "rules/text/strtoint.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/widgetkit.h"
#include "widgets/numberedit/numberedit.h"
#include "widgets/preview/previewwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void PrintPositionDialog::addMillimetres(NumberEdit* edit, QLabel*& label, int index)
{
    const QString axis = index == 0 ? QStringLiteral("Top") : QStringLiteral("Left");
    const int y = m_marginGroup->y() + edit->y();
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label_%1Mm").arg(axis));
    label->setGeometry(186, y, 58, edit->height());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto nudgeButton = [&](const char* sign, int direction, int x) {
        QPushButton* b = rova::ui::button(this, QStringLiteral("BitBtn_%1%2").arg(axis, QLatin1String(sign)),
                                          direction < 0 ? QStringLiteral("−0.5") : QStringLiteral("+0.5"),
                                          {x, y, 42, edit->height()}, false);
        connect(b, &QPushButton::clicked, this,
                [this, index, direction] { rova::guarded(this, [&] { nudge(index, direction); }); });
    };
    nudgeButton("Minus", -1, 248);
    nudgeButton("Plus", 1, 292);
    connect(edit, &NumberEdit::changed, this, [this, index] {
        if (!m_nudging)
            m_nudgeSteps[index] = 0;
        marginsEdited();
    });
}

void PrintPositionDialog::setPreview(PreviewWindow* preview, std::function<rova::slip::SlipValues()> slip)
{
    m_preview = preview;
    m_slip = std::move(slip);
    m_previewButton->setEnabled(preview != nullptr);
    m_testPrintButton->setEnabled(preview != nullptr);
}

rova::slip::PrintSettings PrintPositionDialog::editedSettings() const
{
    rova::slip::PrintSettings settings = m_margins.printSettings();
    settings.top = m_top->text();
    settings.left = m_left->text();
    return settings;
}

void PrintPositionDialog::nudge(int index, int direction)
{
    NumberEdit* edit = index == 0 ? m_top : m_left;
    const int dpi = index == 0 ? m_dpi.y() : m_dpi.x();
    if (m_nudgeSteps[index] == 0)
        m_nudgeStart[index] = rova::strToIntDef(edit->text(), 0);
    m_nudgeSteps[index] += direction;
    m_nudging = true;
    edit->setText(QString::number(rova::slip::nudgedMargin(m_nudgeStart[index], m_nudgeSteps[index], dpi)));
    m_nudging = false;
}

void PrintPositionDialog::marginsEdited()
{
    const auto show = [](QLabel* label, const QString& text, int dpi) {
        bool whole = false;
        const int dots = text.isEmpty() ? 0 : text.toInt(&whole);
        label->setText(whole || text.isEmpty()
                           ? QStringLiteral("%1 mm").arg(rova::slip::dotsToMm(dots, dpi), 0, 'f', 1)
                           : QString());
    };
    show(m_topMm, m_top->text(), m_dpi.y());
    show(m_leftMm, m_left->text(), m_dpi.x());
    if (m_preview)
        m_preview->setMargins(m_top->text(), m_left->text());
}
