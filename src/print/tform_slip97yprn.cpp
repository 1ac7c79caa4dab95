#include "print/tform_slip97yprn.h"

#include "app/tform_main.h"
#include "controls/tkenumedit.h"
#include "platform/dialogs.h"
#include "print/printerassignment.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TForm_SLIP97YPrn::TForm_SLIP97YPrn(TForm_Main* main) : QDialog(main), m_main(main)
{
    setObjectName(QStringLiteral("Form_SLIP97YPrn"));
    setWindowTitle(QStringLiteral("印字位置調整"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    GroupBox1 = new QGroupBox(QStringLiteral("印字位置調整セット"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 6, 174, 82);
    Label1 = new QLabel(QStringLiteral("TOPﾏｰｼﾞﾝ"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 24, 70, 18);
    Label2 = new QLabel(QStringLiteral("LEFTﾏｰｼﾞﾝ"), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 52, 70, 18);
    KeNumEdit_TOP = marginEdit(QStringLiteral("KeNumEdit_TOP"), 22);
    KeNumEdit_LEFT = marginEdit(QStringLiteral("KeNumEdit_LEFT"), 50);

    BitBtn_MRGN = new QPushButton(QStringLiteral("印字位置登録"), this);
    BitBtn_MRGN->setObjectName(QStringLiteral("BitBtn_MRGN"));
    BitBtn_MRGN->setGeometry(40, 96, 110, 28);
    connect(BitBtn_MRGN, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { BitBtn_MRGNClick(); }); });

    setTabOrder(KeNumEdit_TOP, KeNumEdit_LEFT);
    setTabOrder(KeNumEdit_LEFT, BitBtn_MRGN);
}

TKeNumEdit* TForm_SLIP97YPrn::marginEdit(const QString& name, int top)
{
    auto* edit = new TKeNumEdit(GroupBox1);
    edit->setObjectName(name);
    edit->setGeometry(84, top, 80, 22);
    // Margins are whole printer dots; decimals would only make every later print fail.
    edit->setDecimalLength(0);
    edit->setErrorBeep(false);
    // Enter and Up are handled here, where the dialog's own order is known.
    edit->setEnterFocusMove(false);
    edit->setArrowFocusMove(false);
    edit->installEventFilter(this);
    return edit;
}

void TForm_SLIP97YPrn::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm_SLIP97YPrn::FormShow()
{
    // The outer size includes the window frame.
    const QSize frame = frameGeometry().size() - size();
    setFixedSize(QSize(190, 160) - frame);
    KeNumEdit_TOP->setText(m_main->Label_Prn_Top->text());
    KeNumEdit_LEFT->setText(m_main->Label_Prn_Left->text());
    KeNumEdit_TOP->setFocus();
}

bool TForm_SLIP97YPrn::eventFilter(QObject* watched, QEvent* event)
{
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

void TForm_SLIP97YPrn::BitBtn_MRGNClick()
{
    const QString slipType = m_main->ComboBox_SEL->currentText();
    if (!rova::Dialogs::ask(this, QStringLiteral("印字位置調整の余白を登録しますか?")))
        return;
    const QString top = KeNumEdit_TOP->text();
    const QString left = KeNumEdit_LEFT->text();
    rova::slip::AssignmentFile(m_main->Label_CurrentDir->text())
        .store(slipType, {m_main->ComboBox1->currentText(), m_main->Label_PrinterIndex->text(), top, left});
    m_main->Label_Prn_Top->setText(top);
    m_main->Label_Prn_Left->setText(left);
    accept();
}
