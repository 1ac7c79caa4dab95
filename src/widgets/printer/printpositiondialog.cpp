// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/printer/printpositiondialog.h"

#include "platform/print/slipjobs.h"
#include "rules/errors.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/widgetkit.h"
#include "widgets/numberedit/numberedit.h"
#include "widgets/preview/previewwindow.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

PrintPositionDialog::PrintPositionDialog(QWidget* parent, MarginKeeper& margins)
    : QDialog(parent), m_margins(margins)
{
    setObjectName(QStringLiteral("Form_SLIP97YPrn"));
    setWindowTitle(QStringLiteral("印字位置調整"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_marginGroup = new QGroupBox(QStringLiteral("印字位置調整セット"), this);
    m_marginGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_marginGroup->setGeometry(8, 6, 174, 82);
    m_top = marginEdit(QStringLiteral("KeNumEdit_TOP"), 15);
    m_left = marginEdit(QStringLiteral("KeNumEdit_LEFT"), 39);
    m_topCaption = marginLabel(QStringLiteral("Label1"), QStringLiteral("TOPﾏｰｼﾞﾝ"), m_top);
    m_leftCaption = marginLabel(QStringLiteral("Label2"), QStringLiteral("LEFTﾏｰｼﾞﾝ"), m_left);

    m_registerButton = new QPushButton(QStringLiteral("印字位置登録"), this);
    m_registerButton->setObjectName(QStringLiteral("BitBtn_MRGN"));
    m_registerButton->setGeometry(40, 96, 110, 28);
    connect(m_registerButton, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { confirmAndRegisterMargins(); }); });

    addMillimetres(m_top, m_topMm, 0);
    addMillimetres(m_left, m_leftMm, 1);
    m_previewButton = rova::ui::button(this, QStringLiteral("BitBtn_Preview"), QStringLiteral("確認"),
                                       {170, 96, 70, 28}, true);
    m_previewButton->setEnabled(false);
    connect(m_previewButton, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { m_preview->showSlip(m_slip(), editedSettings()); }); });
    m_testPrintButton = rova::ui::button(this, QStringLiteral("BitBtn_TestPrint"),
                                         QStringLiteral("テスト印刷"), {246, 96, 86, 28}, true);
    m_testPrintButton->setEnabled(false);
    connect(m_testPrintButton, &QPushButton::clicked, this, [this] {
        rova::guarded(this,
                      [this] { m_preview->jobs().printAlignmentSheet(m_slip().slipType, editedSettings()); });
    });

    addNumberField();
    setTabOrder(m_top, m_left);
    setTabOrder(m_left, m_trackingNumber);
    setTabOrder(m_trackingNumber, m_registerButton);
}

NumberEdit* PrintPositionDialog::marginEdit(const QString& name, int top)
{
    auto* edit = new NumberEdit(m_marginGroup);
    edit->setObjectName(name);
    edit->setFont(rova::ui::gothic(12));
    edit->setAutoSize(false); // the place is fixed; the font must not stretch it
    edit->setGeometry(82, top, 50, 20);
    // Margins are whole printer dots; decimals would only make every later print fail.
    edit->setDecimalLength(0);
    // A refused key (a decimal point above all) beeps, so "1.5" never silently becomes "15".
    edit->setErrorBeep(true);
    // Enter and Up are handled here, where the dialog's own order is known.
    edit->setEnterFocusMove(false);
    edit->setArrowFocusMove(false);
    edit->installEventFilter(this);
    return edit;
}

// Left of its edit, on the edit's line, ending just short of it.
QLabel* PrintPositionDialog::marginLabel(const QString& name, const QString& caption, const NumberEdit* edit)
{
    auto* label = new QLabel(caption, m_marginGroup);
    label->setObjectName(name);
    label->setFont(rova::ui::gothic(12));
    label->setGeometry(10, edit->y(), edit->x() - 10 - 2, edit->height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void PrintPositionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    showRegisteredMargins();
    // Where the window manager adds the frame only when it maps the window (X11), the frame is
    // still unknown here the first time; it is known by the time the window is exposed.
    windowHandle()->installEventFilter(this);
}

void PrintPositionDialog::applyOuterSize()
{
    const QSize inner =
        QSize(340, 196).shrunkBy(windowHandle() ? windowHandle()->frameMargins() : QMargins());
    if (size() != inner || minimumSize() != inner || maximumSize() != inner)
        setFixedSize(inner);
}

void PrintPositionDialog::showRegisteredMargins()
{
    applyOuterSize();
    m_top->setText(m_margins.printSettings().top);
    m_left->setText(m_margins.printSettings().left);
    if (m_preview) {
        try {
            m_dpi = m_preview->jobs().pageSetup(m_margins.printSettings(), m_slip().slipType).resolution;
        } catch (const rova::Error&) {
            m_dpi = m_margins.printSettings().resolution; // shown as before; printing reports the printer
        }
    }
    m_nudgeSteps = {};
    marginsEdited();
    showNextNumber();
    m_top->setFocus();
}

bool PrintPositionDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        applyOuterSize();
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_top && enter) {
        m_left->setFocus();
        return true;
    }
    if (watched == m_left && enter) {
        m_trackingNumber->setFocus();
        return true;
    }
    // Enter walks on to the register button rather than pressing the dialog's default button.
    if (watched == m_trackingNumber && enter) {
        m_registerButton->setFocus();
        return true;
    }
    if (watched == m_left && key == Qt::Key_Up) {
        m_top->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintPositionDialog::confirmAndRegisterMargins()
{
    if (!rova::Dialogs::ask(this, QStringLiteral("印字位置調整の余白を登録しますか?")))
        return;
    // Checked before anything is registered, so a wrong number leaves the margins as they were too.
    const std::optional<QString> number = changedNumber();
    m_margins.registerMargins(m_top->text(), m_left->text());
    if (number)
        registerNumber(*number);
    accept();
}
