// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in context menu: undo, cut, copy, paste, delete and select all.
#include "widgets/numberedit/numberedit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace
{
enum Item { ItemUndo, ItemCut = 2, ItemCopy, ItemPaste, ItemDelete, ItemSelectAll = 7 };
}

void NumberEdit::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("KeNumEditMenu"));
    m_menu->addAction(tr("元に戻す(&U)"), this, &NumberEdit::undo);
    m_menu->addSeparator();
    m_menu->addAction(tr("切り取り(&T)"), this, &NumberEdit::cutToClipboard);
    m_menu->addAction(tr("コピー(&C)"), this, &NumberEdit::copyToClipboard);
    m_menu->addAction(tr("貼り付け(&P)"), this, &NumberEdit::pasteFromClipboard);
    m_menu->addAction(tr("削除(&D)"), this, &NumberEdit::clear);
    m_menu->addSeparator();
    m_menu->addAction(tr("すべて選択(&A)"), this, &NumberEdit::selectAll);
}

void NumberEdit::menuPopup()
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    const bool clipText = clip && clip->hasText();
    const QList<QAction*> items = m_menu->actions();
    items[ItemUndo]->setEnabled(m_undoAvailable && !m_readOnly);
    items[ItemCut]->setEnabled(allSelected() && !m_readOnly);
    items[ItemCopy]->setEnabled(allSelected());
    items[ItemPaste]->setEnabled(clipText && !m_readOnly);
    items[ItemDelete]->setEnabled(allSelected() && !m_readOnly);
    items[ItemSelectAll]->setEnabled(!allSelected() && !m_value.isEmpty());
}

void NumberEdit::contextMenuEvent(QContextMenuEvent* event)
{
    menuPopup();
    m_menu->popup(event->globalPos());
}
