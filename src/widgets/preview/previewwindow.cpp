// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/preview/previewwindow.h"

#include "platform/print/slipjobs.h"
#include "rules/slip/devicemapping.h"
#include "widgets/kit/dialogs.h"
#include "widgets/preview/previewpage.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace
{
// Zoom steps of + and −, in percent.
const QList<int> kSteps{25, 50, 75, 100, 150, 200, 300, 400};
} // namespace

PreviewWindow::PreviewWindow(rova::print::SlipJobs& jobs, const QString& dataFolder, Warnings warnings,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), m_jobs(jobs), m_settings(dataFolder), m_warnings(std::move(warnings))
{
    setObjectName(QStringLiteral("Form_Preview"));
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    resize(760, 620);

    auto* bar = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption, const std::function<void()>& action) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, action] { rova::guarded(this, action); });
        bar->addWidget(b);
    };
    button("Button_Fit", QStringLiteral("全体"), [this] { setZoom(0); });
    button("Button_100", QStringLiteral("100%"), [this] { setZoom(100); });
    button("Button_200", QStringLiteral("200%"), [this] { setZoom(200); });
    bar->addStretch();
    button("Button_Print", QStringLiteral("F11 印刷"), [this] { print(); });
    button("Button_Test", QStringLiteral("F12 テスト印刷"), [this] { printAlignmentSheet(); });
    button("Button_Close", QStringLiteral("Esc 閉じる"), [this] { close(); });

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("Label_Preview"));
    m_page = new PreviewPage;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollArea_Preview"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_page);
    // The page holds the focus: it moves a scan with the arrow keys and passes them on otherwise.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->viewport()->installEventFilter(this);
    auto* scanBar = new QHBoxLayout;
    addScanControls(scanBar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(scanBar);
    layout->addWidget(m_caption);
    layout->addWidget(m_scroll, 1);
}

void PreviewWindow::showSlip(const rova::slip::SlipValues& values, const rova::slip::PrintSettings& settings)
{
    rova::slip::marginFromText(settings.top);
    rova::slip::marginFromText(settings.left);
    const rova::print::PageSetup setup = m_jobs.pageSetup(settings, values.slipType);
    m_preview = {values, settings, setup.page, {}, {}};
    m_preview.settings.resolution = setup.resolution;
    m_printer = setup.printer;
    m_page->setPreview(m_preview);
    applyZoom();
    showCaption();
    show();
    raise();
    activateWindow();
    m_page->setFocus();
    showScan(m_settings.formScan(values.slipType));
}

void PreviewWindow::setMargins(const QString& top, const QString& left)
{
    if (!isVisible())
        return;
    rova::slip::PrintSettings settings = m_preview.settings;
    settings.top = top;
    settings.left = left;
    try {
        rova::slip::marginFromText(top);
        rova::slip::marginFromText(left);
    } catch (const rova::Error&) {
        return; // a half-typed margin ("-") keeps the last page shown
    }
    m_preview.settings = settings;
    m_page->setPreview(m_preview);
    showCaption();
}

void PreviewWindow::showCaption()
{
    const rova::slip::PrintSettings& s = m_preview.settings;
    m_caption->setText(QStringLiteral("%1　%2　%3 dpi　上 %4　左 %5")
                           .arg(m_preview.values.slipType, m_printer)
                           .arg(s.resolution.y())
                           .arg(s.top, s.left));
}

void PreviewWindow::setZoom(int percent)
{
    m_zoom = percent;
    applyZoom();
}

void PreviewWindow::applyZoom()
{
    const double dpi = std::max(1, m_preview.settings.resolution.x());
    double scale = m_zoom * logicalDpiX() / (100.0 * dpi);
    if (m_zoom == 0) {
        const QSize room = m_scroll->viewport()->size() - QSize(4, 4);
        const QSize dots = m_page->pageDots();
        scale = std::min(double(room.width()) / std::max(1, dots.width()),
                         double(room.height()) / std::max(1, dots.height()));
    }
    m_page->setScale(std::max(scale, 0.01));
}

void PreviewWindow::stepZoom(int direction)
{
    // From fit, the steps go on from the nearest real size.
    const int now =
        m_zoom == 0
            ? qRound(m_page->scale() * m_preview.settings.resolution.x() * 100.0 / std::max(1, logicalDpiX()))
            : m_zoom;
    int next = direction > 0 ? kSteps.last() : kSteps.first();
    for (int step : kSteps) {
        if (direction > 0 && step > now) {
            next = step;
            break;
        }
        if (direction < 0 && step < now)
            next = step;
    }
    setZoom(next);
}

void PreviewWindow::print()
{
    m_jobs.print({m_preview.values}, m_preview.settings, [this](const rova::print::PageSetup* page) {
        const QStringList question = QStringList{QStringLiteral("印刷しますか?")} +
                                     m_warnings(m_preview.values, m_preview.settings, page);
        return rova::Dialogs::ask(this, question.join(QLatin1Char('\n')));
    });
}

void PreviewWindow::printAlignmentSheet()
{
    m_jobs.printAlignmentSheet(m_preview.values.slipType, m_preview.settings);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    const auto run = [this](const std::function<void()>& action) { rova::guarded(this, action); };
    switch (event->key()) {
    case Qt::Key_F11:
        return run([this] { print(); });
    case Qt::Key_F12:
        return run([this] { printAlignmentSheet(); });
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Plus:
        return stepZoom(1);
    case Qt::Key_Minus:
        return stepZoom(-1);
    default:
        QWidget::keyPressEvent(event);
    }
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The room to fit into is the viewport's, which is laid out only after the window's own resize
    // when the window first shows.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom == 0)
        applyZoom();
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            stepZoom(wheel->angleDelta().y() > 0 ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
