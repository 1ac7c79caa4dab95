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
#include <QPushButton>
#include <QWindow>

PrintPositionDialog::PrintPositionDialog(QWidget* parent, MarginKeeper& margins)
    : QDialog(parent), m_margins(margins)
{
    setObjectName(QStringLiteral("Form_SLIP97YPrn"));
    setWindowTitle(QStringLiteral("印字位置調整"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    GroupBox1 = new QGroupBox(QStringLiteral("印字位置調整セット"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 6, 174, 82);
    KeNumEdit_TOP = marginEdit(QStringLiteral("KeNumEdit_TOP"), 15);
    KeNumEdit_LEFT = marginEdit(QStringLiteral("KeNumEdit_LEFT"), 39);
    Label1 = marginLabel(QStringLiteral("Label1"), QStringLiteral("TOPﾏｰｼﾞﾝ"), KeNumEdit_TOP);
    Label2 = marginLabel(QStringLiteral("Label2"), QStringLiteral("LEFTﾏｰｼﾞﾝ"), KeNumEdit_LEFT);

    BitBtn_MRGN = new QPushButton(QStringLiteral("印字位置登録"), this);
    BitBtn_MRGN->setObjectName(QStringLiteral("BitBtn_MRGN"));
    BitBtn_MRGN->setGeometry(40, 96, 110, 28);
    connect(BitBtn_MRGN, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { confirmAndRegisterMargins(); }); });

    addMillimetres(KeNumEdit_TOP, Label_TopMm, 0);
    addMillimetres(KeNumEdit_LEFT, Label_LeftMm, 1);
    BitBtn_Preview = rova::ui::button(this, QStringLiteral("BitBtn_Preview"), QStringLiteral("確認"),
                                      {170, 96, 70, 28}, true);
    BitBtn_Preview->setEnabled(false);
    connect(BitBtn_Preview, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { m_preview->showSlip(m_slip(), editedSettings()); }); });
    BitBtn_TestPrint = rova::ui::button(this, QStringLiteral("BitBtn_TestPrint"),
                                        QStringLiteral("テスト印刷"), {246, 96, 86, 28}, true);
    BitBtn_TestPrint->setEnabled(false);
    connect(BitBtn_TestPrint, &QPushButton::clicked, this, [this] {
        rova::guarded(this,
                      [this] { m_preview->jobs().printAlignmentSheet(m_slip().slipType, editedSettings()); });
    });

    setTabOrder(KeNumEdit_TOP, KeNumEdit_LEFT);
    setTabOrder(KeNumEdit_LEFT, BitBtn_MRGN);
}

NumberEdit* PrintPositionDialog::marginEdit(const QString& name, int top)
{
    auto* edit = new NumberEdit(GroupBox1);
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
    auto* label = new QLabel(caption, GroupBox1);
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
        QSize(340, 160).shrunkBy(windowHandle() ? windowHandle()->frameMargins() : QMargins());
    if (size() != inner || minimumSize() != inner || maximumSize() != inner)
        setFixedSize(inner);
}

void PrintPositionDialog::showRegisteredMargins()
{
    applyOuterSize();
    KeNumEdit_TOP->setText(m_margins.printSettings().top);
    KeNumEdit_LEFT->setText(m_margins.printSettings().left);
    if (m_preview) {
        try {
            m_dpi = m_preview->jobs().pageSetup(m_margins.printSettings(), m_slip().slipType).resolution;
        } catch (const rova::Error&) {
            m_dpi = m_margins.printSettings().resolution; // shown as before; printing reports the printer
        }
    }
    m_nudgeSteps = {};
    marginsEdited();
    KeNumEdit_TOP->setFocus();
}

bool PrintPositionDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        applyOuterSize();
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == KeNumEdit_TOP && enter) {
        KeNumEdit_LEFT->setFocus();
        return true;
    }
    if (watched == KeNumEdit_LEFT && enter) {
        BitBtn_MRGN->setFocus();
        return true;
    }
    if (watched == KeNumEdit_LEFT && key == Qt::Key_Up) {
        KeNumEdit_TOP->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintPositionDialog::confirmAndRegisterMargins()
{
    if (!rova::Dialogs::ask(this, QStringLiteral("印字位置調整の余白を登録しますか?")))
        return;
    m_margins.registerMargins(KeNumEdit_TOP->text(), KeNumEdit_LEFT->text());
    accept();
}
