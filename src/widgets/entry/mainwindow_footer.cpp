// SPDX-License-Identifier: GPL-3.0-or-later
// Help line, function-key bar and status bar, and the quit command behind F2.

#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include "widgets/entry/quitsettings.h"
#include "widgets/kit/dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

void MainWindow::buildFooter()
{
    m_helpLine = new QLabel(m_form);
    m_helpLine->setObjectName(QStringLiteral("Panel_HelpMess"));
    m_helpLine->setGeometry(0, 575, 682, 30);
    m_helpLine->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_helpLine->setAlignment(Qt::AlignCenter);
    m_helpLine->setAutoFillBackground(true);
    QPalette tip = m_helpLine->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    m_helpLine->setPalette(tip);

    const int lefts[] = {0, 55, 110, 165, 230, 285, 340, 395, 460, 515, 570, 625};
    for (int k = 1; k <= 12; ++k) {
        QPushButton* key =
            rova::ui::button(m_functionBar, QStringLiteral("SpeedButton_F%1").arg(k),
                             QStringLiteral("F%1").arg(k), QRect(lefts[k - 1], 1, 55, 26), false);
        key->setFont(rova::ui::gothic(k == 2 || k == 11 ? 15 : k == 6 ? 12 : 13));
        key->setEnabled(false);
        m_functionButtons[k] = key;
    }

    m_statusLine = new QStatusBar(m_form);
    m_statusLine->setObjectName(QStringLiteral("StatusBar1"));
    m_statusLine->setGeometry(0, 633, 682, 16);
    m_statusLine->setSizeGripEnabled(false);
}

void MainWindow::showHelp(const QString& text, Help kind)
{
    m_helpLine->setText(text);
    m_helpWarning = kind == Help::Warning;
    QPalette palette = m_helpLine->palette();
    palette.setColor(QPalette::WindowText,
                     m_helpWarning ? QColor(Qt::red) : palette.color(QPalette::ToolTipText));
    m_helpLine->setPalette(palette);
}

QStatusBar& MainWindow::statusLine() const
{
    return *m_statusLine;
}

void MainWindow::confirmAndQuit()
{
    // Saved before the question, so that settings which cannot be written make it the only one.
    const QString problem = rova::saveForQuit([this] { saveSettings(); });
    if (rova::Dialogs::ask(this, problem.isEmpty() ? QStringLiteral("終了しますか?")
                                                   : rova::quitWithoutSettings(problem))) {
        m_saved = true;
        close();
    } else {
        m_zip->setFocus(Qt::OtherFocusReason);
    }
}
