// SPDX-License-Identifier: GPL-3.0-or-later
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
    m_paneCaption = label(m_paneBand, QStringLiteral("Label1"), QStringLiteral("テキスト転送"), 33, 64, 12);

    m_pane = new QPlainTextEdit(m_paneBand);
    m_pane->setObjectName(QStringLiteral("Memo1"));
    m_pane->setGeometry(114, 4, 474, 108);
    m_pane->setFrameStyle(QFrame::NoFrame);
    m_pane->setFont(gothic(13));
    m_pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Reached by Tab like the rest, and left by Tab: a transfer block has no use for tab characters.
    m_pane->setFocusPolicy(Qt::StrongFocus);
    m_pane->setTabChangesFocus(true);
    m_pane->setToolTip(
        QStringLiteral("ここにお届け先の住所、お名前等のテキストを貼り付けると、お届け先欄に転送が可能です"
                       "　(15行以内に収まるようにして下さい)"));
    setBaseColour(m_pane, QColor(0xC0, 0xC0, 0xC0));

    m_transferButton = button(m_paneBand, QStringLiteral("BitBtn_1"), QString(), QRect(55, 23, 39, 39), true);
    m_transferButton->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    // The hint is kept for reference; this button shows no tooltip.
    m_transferButton->setStatusTip(QStringLiteral("お届け先にテキストデータを転送します"));

    m_paneHint = label(
        m_paneBand, QStringLiteral("Label8"),
        QStringLiteral("↑↑ここクリップボードから貼り付けが、可能です　(　15行以内に収めてください　)↑↑"), 114,
        116, 11, true);
    m_paneHint->resize(438, 11);
    setTextColour(m_paneHint, grey());

    m_clearPaneCaption =
        label(m_paneBand, QStringLiteral("Label12"), QStringLiteral("Memoｸﾘｱ"), 606, 114, 12);

    m_clearPaneButton =
        button(m_paneBand, QStringLiteral("BitBtn_MemoCLS"), QString(), QRect(610, 90, 39, 21), true);
    m_clearPaneButton->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    m_clearPaneButton->setToolTip(QStringLiteral("メモをクリアします"));
}

void MainWindow::shadePane()
{
    const bool empty = m_pane->document()->isEmpty();
    rova::ui::setBaseColour(m_pane,
                            empty ? QColor(0xC0, 0xC0, 0xC0) : QApplication::palette().color(QPalette::Base));
}

void MainWindow::clearPane()
{
    m_pane->clear();
    rova::ui::setBaseColour(m_pane, QColor(0xC0, 0xC0, 0xC0));
}

void MainWindow::pasteAndTransfer()
{
    // One step for the keyboard: the clipboard's block replaces the pane and goes on as m_transferButton
    // sends it.
    m_pane->setPlainText(QGuiApplication::clipboard()->text());
    transferPane();
}

void MainWindow::transferPane()
{
    const auto outcome = rova::transfer::run(m_pane->toPlainText().split(QLatin1Char('\n')));
    if (outcome.nothingToTransfer) {
        m_pane->setPlainText(outcome.pane.join(QLatin1Char('\n')));
        rova::Dialogs::tell(this, QStringLiteral("転送テキストがありません"));
    } else {
        clearDestination();
        m_zip->setText(outcome.fields.zip);
        m_add1->setText(outcome.fields.add1);
        m_add2->setText(outcome.fields.add2);
        m_name->setText(outcome.fields.name);
        m_tel->setText(outcome.fields.tel);
        m_pane->setPlainText(outcome.pane.join(QLatin1Char('\n')));
        m_pane->moveCursor(QTextCursor::Start);
        m_pane->ensureCursorVisible();
        m_zip->setFocus(Qt::OtherFocusReason);
    }
    showAddressWarning();
    if (!outcome.nothingToTransfer)
        emit transferred();
}
