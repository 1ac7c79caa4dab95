// SPDX-License-Identifier: GPL-3.0-or-later
// The function-key bar: a key works from whatever control has the focus (check boxes, lists, tabs and
// the paste pane too), and its button does the same on a click.

#include "widgets/entry/mainwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

void MainWindow::setFunctionKey(int number, const QString& caption, std::function<void()> handler)
{
    Q_ASSERT(number >= 1 && number <= 12 && !m_functionKeys.contains(number));
    if (m_functionKeys.isEmpty())
        // Seen before any control of the window, so no control can keep a function key to itself.
        qApp->installEventFilter(this);
    m_functionKeys.insert(number, {caption, handler});
    connect(m_functionButtons[number], &QPushButton::clicked, this, [this, handler] { run(handler); });
    if (m_shown)
        showFunctionKeys();
}

bool MainWindow::functionKey(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int number = key->key() - Qt::Key_F1 + 1;
    if (key->modifiers() != Qt::NoModifier || number < 1 || number > 12)
        return false;
    // Only keys typed in this window: a message box or another window has its own.
    if (static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto bound = m_functionKeys.constFind(number);
    if (bound == m_functionKeys.constEnd())
        return false;
    run(bound->handler);
    return true;
}

void MainWindow::showFunctionKeys()
{
    for (int k = 1; k <= 12; ++k) {
        const auto bound = m_functionKeys.constFind(k);
        const bool set = bound != m_functionKeys.constEnd();
        m_functionButtons[k]->setText(set ? bound->caption : QStringLiteral("F%1").arg(k));
        m_functionButtons[k]->setEnabled(set);
    }
}
