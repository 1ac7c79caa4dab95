// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/preview: the preview window and what it adds to the entry window.
//
// The preview window "印刷プレビュー": the current slip as its printer will get it, zoomed to fit,
// 100 % or 200 % (Ctrl+wheel, + and −). F11 prints after the same question as the entry window,
// F12 prints the plain-paper alignment sheet, Esc closes. Under the values, the operator's own scan
// of the slip type's blank form ("用紙の画像…", its resolution, "画像を外す"), moved by dragging or
// with the arrow keys and kept in the program's own settings file.

#include "platform/print/scanimages.h"
#include "rules/files/programsettings.h"
#include "rules/slip/slippreview.h"

#include <QWidget>

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class PreviewPage;

namespace rova::print
{
class SlipJobs;
struct PageSetup;
} // namespace rova::print

class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    // The lines the print question adds under "印刷しますか?" for a slip, its settings and the page
    // its printer takes.
    using Warnings = std::function<QStringList(
        const rova::slip::SlipValues&, const rova::slip::PrintSettings&, const rova::print::PageSetup*)>;
    // The scans are kept in the settings file of dataFolder.
    PreviewWindow(rova::print::SlipJobs& jobs, const QString& dataFolder, Warnings warnings,
                  QWidget* parent = nullptr);

    // Shows the slip with the settings as their printer gets them. Raises rova::Error for a margin
    // that is no whole number and when the printer cannot be asked; the window is then unchanged.
    // A scan whose file cannot be read is reported in the error box, and the marks are drawn.
    void showSlip(const rova::slip::SlipValues& values, const rova::slip::PrintSettings& settings);
    // New margins for the slip shown, while the window is open (the margin dialog edits them).
    void setMargins(const QString& top, const QString& left);

    // 0 fits the page into the window; otherwise screen percent of the page's real size.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    const rova::slip::SlipPreview& preview() const { return m_preview; }

    rova::print::SlipJobs& jobs() { return m_jobs; }

    void print();
    void printAlignmentSheet();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The scan's controls into the bar, and the page's moves of the scan kept.
    void addScanControls(QHBoxLayout* bar);
    // Draws the scan under the slip (a file that cannot be read: the marks, and the error box).
    void showScan(const rova::slip::FormScan& scan);
    // The same, and kept for the slip type. Raises rova::Error when the settings cannot be written.
    void keepScan(const rova::slip::FormScan& scan);
    void chooseScan();
    void showScanState();

    void applyZoom();
    void stepZoom(int direction);
    void showCaption();

    rova::print::SlipJobs& m_jobs;
    rova::ProgramSettings m_settings;
    rova::print::ScanImages m_scans;
    Warnings m_warnings;
    rova::slip::SlipPreview m_preview;
    QString m_printer;
    int m_zoom = 0;
    QScrollArea* m_scroll = nullptr;
    PreviewPage* m_page = nullptr;
    QLabel* m_caption = nullptr;
    QPushButton* m_chooseScan = nullptr;
    QSpinBox* m_scanDpi = nullptr;
    QPushButton* m_removeScan = nullptr;
    QLabel* m_scanState = nullptr;
};
