// SPDX-License-Identifier: GPL-3.0-or-later
// The form keeps its designed size; on a screen smaller than that (a laptop at 125 % scaling) the
// window fits the screen and the form scrolls, following the focus, so every control stays reachable.

#include "widgets/entry/mainwindow.h"

#include <QApplication>
#include <QScrollArea>
#include <QVBoxLayout>

void MainWindow::buildScrolling()
{
    const QSize designed(682, 649);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollArea_Form"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    m_form = new QWidget;
    m_form->setObjectName(QStringLiteral("Form_Content"));
    m_form->setFixedSize(designed);
    scroll->setWidget(m_form);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    setMaximumSize(designed);
    resize(designed);
    connect(qApp, &QApplication::focusChanged, this, [this, scroll](QWidget*, QWidget* now) {
        if (now && m_form->isAncestorOf(now))
            scroll->ensureWidgetVisible(now, 8, 8);
    });
}
