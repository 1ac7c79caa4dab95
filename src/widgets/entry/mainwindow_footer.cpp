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
    Panel_HelpMess = new QLabel(m_form);
    Panel_HelpMess->setObjectName(QStringLiteral("Panel_HelpMess"));
    Panel_HelpMess->setGeometry(0, 575, 682, 30);
    Panel_HelpMess->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel_HelpMess->setAlignment(Qt::AlignCenter);
    Panel_HelpMess->setAutoFillBackground(true);
    QPalette tip = Panel_HelpMess->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    Panel_HelpMess->setPalette(tip);

    const int lefts[] = {0, 55, 110, 165, 230, 285, 340, 395, 460, 515, 570, 625};
    for (int k = 1; k <= 12; ++k) {
        QPushButton* key =
            rova::ui::button(Panel_Fnc, QStringLiteral("SpeedButton_F%1").arg(k),
                             QStringLiteral("F%1").arg(k), QRect(lefts[k - 1], 1, 55, 26), false);
        key->setFont(rova::ui::gothic(k == 2 || k == 11 ? 15 : k == 6 ? 12 : 13));
        key->setEnabled(false);
        SpeedButton_F[k] = key;
    }
    SpeedButton_F2 = SpeedButton_F[2];
    SpeedButton_F11 = SpeedButton_F[11];

    StatusBar1 = new QStatusBar(m_form);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 633, 682, 16);
    StatusBar1->setSizeGripEnabled(false);
}

void MainWindow::SpeedButton_F2Click()
{
    // Saved before the question, so that settings which cannot be written make it the only one.
    const QString problem = rova::saveForQuit(*this);
    if (rova::Dialogs::ask(this, problem.isEmpty() ? QStringLiteral("終了しますか?")
                                                   : rova::quitWithoutSettings(problem))) {
        m_saved = true;
        close();
    } else {
        Edit_Zip->setFocus(Qt::OtherFocusReason);
    }
}
