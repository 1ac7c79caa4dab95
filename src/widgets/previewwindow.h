#pragma once
// The preview window "印刷プレビュー": the current slip as its printer will get it, zoomed to fit,
// 100 % or 200 % (Ctrl+wheel, + and −). F11 prints after the same question as the entry window,
// F12 prints the plain-paper alignment sheet, Esc closes.

#include "rules/slippreview.h"

#include <QWidget>

#include <functional>

class QLabel;
class QScrollArea;
class PreviewPage;

namespace rova::print
{
class SlipJobs;
}

class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    // The lines the print question adds under "印刷しますか?" for a slip and its settings.
    using Warnings =
        std::function<QStringList(const rova::slip::SlipValues&, const rova::slip::PrintSettings&)>;
    PreviewWindow(rova::print::SlipJobs& jobs, Warnings warnings, QWidget* parent = nullptr);

    // Shows the slip with the settings as their printer gets them. Raises rova::Error for a margin
    // that is no whole number and when the printer cannot be asked; the window is then unchanged.
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
    void applyZoom();
    void stepZoom(int direction);
    void showCaption();

    rova::print::SlipJobs& m_jobs;
    Warnings m_warnings;
    rova::slip::SlipPreview m_preview;
    QString m_printer;
    int m_zoom = 0;
    QScrollArea* m_scroll = nullptr;
    PreviewPage* m_page = nullptr;
    QLabel* m_caption = nullptr;
};
