// The text transfer pane: a pasted address block is split into the destination fields.

#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include "rules/transfer/transfer.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

void MainWindow::buildPane()
{
    using namespace rova::ui;
    Label1 = label(Panel3, QStringLiteral("Label1"), QStringLiteral("テキスト転送"), 33, 64, 12);

    Memo1 = new QPlainTextEdit(Panel3);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(114, 4, 474, 108);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFont(gothic(13));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Reached by Tab like the rest, and left by Tab: a transfer block has no use for tab characters.
    Memo1->setFocusPolicy(Qt::StrongFocus);
    Memo1->setTabChangesFocus(true);
    Memo1->setToolTip(
        QStringLiteral("ここにお届け先の住所、お名前等のテキストを貼り付けると、お届け先欄に転送が可能です"
                       "　(15行以内に収まるようにして下さい)"));
    setBaseColour(Memo1, QColor(0xC0, 0xC0, 0xC0));

    BitBtn_1 = button(Panel3, QStringLiteral("BitBtn_1"), QString(), QRect(55, 23, 39, 39), true);
    BitBtn_1->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    // The hint is kept for reference; this button shows no tooltip.
    BitBtn_1->setStatusTip(QStringLiteral("お届け先にテキストデータを転送します"));

    Label8 = label(
        Panel3, QStringLiteral("Label8"),
        QStringLiteral("↑↑ここクリップボードから貼り付けが、可能です　(　15行以内に収めてください　)↑↑"), 114,
        116, 11, true);
    Label8->resize(438, 11);
    setTextColour(Label8, grey());

    Label12 = label(Panel3, QStringLiteral("Label12"), QStringLiteral("Memoｸﾘｱ"), 606, 114, 12);

    BitBtn_MemoCLS =
        button(Panel3, QStringLiteral("BitBtn_MemoCLS"), QString(), QRect(610, 90, 39, 21), true);
    BitBtn_MemoCLS->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    BitBtn_MemoCLS->setToolTip(QStringLiteral("メモをクリアします"));
}

void MainWindow::shadePane()
{
    const bool empty = Memo1->document()->isEmpty();
    rova::ui::setBaseColour(Memo1,
                            empty ? QColor(0xC0, 0xC0, 0xC0) : QApplication::palette().color(QPalette::Base));
}

void MainWindow::clearPane()
{
    Memo1->clear();
    rova::ui::setBaseColour(Memo1, QColor(0xC0, 0xC0, 0xC0));
}

void MainWindow::pasteAndTransfer()
{
    // One step for the keyboard: the clipboard's block replaces the pane and goes on as BitBtn_1 sends it.
    Memo1->setPlainText(QGuiApplication::clipboard()->text());
    transferPane();
}

void MainWindow::transferPane()
{
    const auto outcome = rova::transfer::run(Memo1->toPlainText().split(QLatin1Char('\n')));
    if (outcome.nothingToTransfer) {
        Memo1->setPlainText(outcome.pane.join(QLatin1Char('\n')));
        rova::Dialogs::tell(this, QStringLiteral("転送テキストがありません"));
    } else {
        clearDestination();
        Edit_Zip->setText(outcome.fields.zip);
        Edit_Add1->setText(outcome.fields.add1);
        Edit_Add2->setText(outcome.fields.add2);
        Edit_Custo1->setText(outcome.fields.name);
        Edit_tel->setText(outcome.fields.tel);
        Memo1->setPlainText(outcome.pane.join(QLatin1Char('\n')));
        Memo1->moveCursor(QTextCursor::Start);
        Memo1->ensureCursorVisible();
        Edit_Zip->setFocus(Qt::OtherFocusReason);
    }
    showAddressWarning();
    if (!outcome.nothingToTransfer)
        emit transferred();
}
