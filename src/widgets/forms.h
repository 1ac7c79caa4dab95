// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows, created in the order the program relies on: the main window first, then
// the print position dialog, which refers back to it. The history and batch windows are made when
// first opened (or asked for), so the start does not build them.

#include "platform/store/location.h"
#include "widgets/kit/onfirstuse.h"

#include <QString>

#include <memory>

class BatchWindow;
class HistoryWindow;
class MainWindow;
class PrintPositionDialog;
class PreviewWindow;

namespace rova
{
class PostalAssist;
}

namespace rova::print
{
class PrinterChoice;
class SlipJobs;
} // namespace rova::print

namespace rova
{

class HistoryAccess;
class HistoryRecorder;

struct Forms {
    // The windows print through printers and keep their files in the store's folder, the list and
    // the history in the store.
    Forms(print::PrinterChoice& printers, const store::Location& store);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Every print of the windows goes through this one service.
    std::unique_ptr<print::SlipJobs> jobs;
    // The print history: every accepted job is recorded, whichever window printed it.
    std::unique_ptr<HistoryAccess> history;
    HistoryRecorder* recorder = nullptr; // owned by jobs
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<PrintPositionDialog> slipPrn;
    OnFirstUse<HistoryWindow> historyWindow; // F8 of the main window
    // The postal dictionary at the main window; in use once given a loaded dictionary.
    std::unique_ptr<PostalAssist> postal;
    std::unique_ptr<PreviewWindow> preview;
    OnFirstUse<BatchWindow> batch; // F10 of the main window
};

} // namespace rova
