// SPDX-License-Identifier: GPL-3.0-or-later
// The operator's own scan of the slip type's blank form under the preview: chosen through the file
// dialog, its resolution, taken away again, and its offset from the paper's corner (moved on the
// page). Every change is kept at once in the program's settings file.

#include "widgets/preview/previewwindow.h"

#include "rules/errors.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/filedialogs.h"
#include "widgets/preview/previewpage.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

void PreviewWindow::addScanControls(QHBoxLayout* bar)
{
    m_chooseScan = new QPushButton(QStringLiteral("用紙の画像…"), this);
    m_chooseScan->setObjectName(QStringLiteral("Button_Scan"));
    connect(m_chooseScan, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { chooseScan(); }); });

    auto* dpiLabel = new QLabel(QStringLiteral("解像度"), this);
    m_scanDpi = new QSpinBox(this);
    m_scanDpi->setObjectName(QStringLiteral("SpinBox_ScanDpi"));
    m_scanDpi->setRange(rova::slip::FormScan::kMinDpi, rova::slip::FormScan::kMaxDpi);
    m_scanDpi->setValue(rova::slip::FormScan::kDefaultDpi);
    m_scanDpi->setSuffix(QStringLiteral(" dpi"));
    // A typed number counts once it is complete (Enter or leaving the box), not at every digit.
    m_scanDpi->setKeyboardTracking(false);
    dpiLabel->setBuddy(m_scanDpi);
    connect(m_scanDpi, &QSpinBox::valueChanged, this, [this](int dpi) {
        rova::guarded(this, [this, dpi] {
            rova::slip::FormScan scan = m_preview.scan;
            scan.dpi = dpi;
            keepScan(scan);
        });
    });

    m_removeScan = new QPushButton(QStringLiteral("画像を外す"), this);
    m_removeScan->setObjectName(QStringLiteral("Button_RemoveScan"));
    connect(m_removeScan, &QPushButton::clicked, this,
            [this] { rova::guarded(this, [this] { keepScan({}); }); });

    m_scanState = new QLabel(this);
    m_scanState->setObjectName(QStringLiteral("Label_Scan"));

    bar->addWidget(m_chooseScan);
    bar->addWidget(dpiLabel);
    bar->addWidget(m_scanDpi);
    bar->addWidget(m_removeScan);
    bar->addWidget(m_scanState, 1);
    setTabOrder(m_page, m_chooseScan);
    setTabOrder(m_chooseScan, m_scanDpi);
    setTabOrder(m_scanDpi, m_removeScan);
    connect(m_page, &PreviewPage::scanMoved, this, [this](QPoint offset) {
        m_preview.scan.offset = offset;
        showScanState();
        rova::guarded(this, [this] { m_settings.setFormScan(m_preview.values.slipType, m_preview.scan); });
    });
    showScanState();
}

void PreviewWindow::showScan(const rova::slip::FormScan& scan)
{
    m_preview.scan = scan;
    m_preview.scanImage = QImage();
    QString problem;
    try {
        if (!scan.path.isEmpty())
            m_preview.scanImage = m_scans.image(scan);
    } catch (const rova::Error& e) {
        problem = e.message();
    }
    m_page->setPreview(m_preview);
    showScanState();
    if (!problem.isEmpty())
        rova::Dialogs::error(this, problem);
}

void PreviewWindow::keepScan(const rova::slip::FormScan& scan)
{
    showScan(scan);
    const QString& slipType = m_preview.values.slipType;
    if (scan.path.isEmpty())
        m_settings.removeFormScan(slipType);
    else
        m_settings.setFormScan(slipType, scan);
}

void PreviewWindow::chooseScan()
{
    const QString path =
        rova::FileDialogs(this, m_settings, rova::FileKind::FormScan)
            .openFile(QStringLiteral("用紙の画像"),
                      QStringLiteral("用紙の画像 (*.png *.jpg *.jpeg *.pdf);;すべてのファイル (*)"));
    if (path.isEmpty())
        return;
    const rova::slip::FormScan scan{path, m_scanDpi->value(), {}};
    // A file that cannot be read is refused before anything changes; the one shown before stays.
    m_scans.image(scan);
    keepScan(scan);
    m_page->setFocus();
}

void PreviewWindow::showScanState()
{
    const rova::slip::FormScan& scan = m_preview.scan;
    const bool chosen = !scan.path.isEmpty();
    m_chooseScan->setEnabled(!m_preview.values.slipType.isEmpty());
    m_scanDpi->setEnabled(chosen);
    m_removeScan->setEnabled(chosen);
    {
        const QSignalBlocker quiet(m_scanDpi);
        m_scanDpi->setValue(scan.dpi);
    }
    m_scanState->setText(chosen
                             ? QStringLiteral("%1　右へ %2 mm　下へ %3 mm　(ドラッグか矢印キーで動かします。"
                                              "Shift で 5 mm)")
                                   .arg(QFileInfo(scan.path).fileName())
                                   .arg(scan.offset.x() / 10.0, 0, 'f', 1)
                                   .arg(scan.offset.y() / 10.0, 0, 'f', 1)
                             : QString());
}
