// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include "platform/print/slipjobs.h"
#include "widgets/entry/quitsettings.h"
#include "widgets/kit/dialogs.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>

namespace
{
QFrame* band(QWidget* window, const QString& name, int top, int height)
{
    auto* frame = new QFrame(window);
    frame->setObjectName(name);
    frame->setGeometry(0, top, 682, height);
    return frame;
}
} // namespace

MainWindow::MainWindow(rova::print::SlipJobs& jobs, const QString& folder, QWidget* parent)
    : QWidget(parent), m_jobs(jobs), m_printers(jobs.printers()), m_folder(folder)
{
    setObjectName(QStringLiteral("Form_Main"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    buildScrolling();
    setFont(rova::ui::gothic(16));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    m_paneBand = band(m_form, QStringLiteral("Panel3"), 0, 130);
    m_destinationBand = band(m_form, QStringLiteral("Panel1"), 130, 176);
    m_senderBand = band(m_form, QStringLiteral("PanelSender"), 306, 136);
    m_optionsBand = band(m_form, QStringLiteral("Panel4"), 442, 133);
    m_functionBar = band(m_form, QStringLiteral("Panel_Fnc"), 605, 28);

    buildPane();
    buildDestination();
    buildSender();
    buildOptions();
    buildFooter();
    buildTabOrder();
    nameControls();
    connectHandlers();
    connectSender();
    installKeyHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::setPrintPositionDialog(PrintPositionDialog* dialog)
{
    m_printPositionDialog = dialog;
}

void MainWindow::comeForward()
{
    // Restored from minimised as it was before (maximised stays maximised).
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::run(const std::function<void()>& operation)
{
    rova::guarded(this, operation);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // On a screen smaller than the form the window fits the screen and the form scrolls.
        resize(size().boundedTo(screen->availableGeometry().size()));
        move(screen->availableGeometry().center() - rect().center());
    }
    run([this] { setUpForStart(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The settings are kept however the window closes. When they cannot be written the operator
    // chooses between quitting without them and staying to put the folder right.
    if (!m_saved) {
        const QString problem = rova::saveForQuit([this] { saveSettings(); });
        if (!problem.isEmpty() && !rova::Dialogs::ask(this, rova::quitWithoutSettings(problem))) {
            event->ignore();
            return;
        }
        m_saved = true;
    }
    event->accept();
}
