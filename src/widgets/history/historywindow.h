// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/history: the print history window, its recorder and its database access.
//
// The print history (F8 of the main window): the slips printed, newest first, narrowed as the
// operator types a piece of a name, number or address (either width), a tracking number or what a
// scanner reads off a form, and by printing days; the chosen ones printed again (each new row naming
// the one it printed again), loaded into the main window, given new tracking numbers, written as our
// CSV or deleted.

#include "platform/store/history.h"

#include <QList>
#include <QWidget>

class SlipEntry;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rova
{
class HistoryAccess;
namespace store
{
class ChangeFeed;
}
} // namespace rova

class HistoryWindow : public QWidget
{
    Q_OBJECT
public:
    HistoryWindow(rova::HistoryAccess& history, SlipEntry& main);

    // Shows the window in front with the latest slips and the focus in the search box.
    void open();

    // ---- commands on the chosen rows (historywindow_actions.cpp) ----
    void reprint();      // the print question, then one job per slip type
    void load();         // the first chosen slip into the main window
    void renumber();     // new tracking numbers from a typed first one, in printing order
    void exportCsv();    // our CSV, the file the batch window imports
    void removeChosen(); // after a question

private:
    void build();
    void bindKeys();
    // Searches again with the box's text and days; the first row is chosen.
    void refresh();
    // Records another station or process made: the search again, the chosen rows and the rows in view
    // kept.
    void takeOutsideChanges();
    void fill();
    QList<rova::store::HistoryEntry> chosen() const;
    void run(const std::function<void()>& command);

    rova::HistoryAccess& m_history;
    SlipEntry& m_main;
    QList<rova::store::HistoryEntry> m_entries; // as the rows show them
    rova::store::ChangeFeed* m_feed = nullptr;  // once the window was opened

    QLineEdit* m_search = nullptr;
    QCheckBox* m_byPeriod = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_reprintButton = nullptr;
    QPushButton* m_loadButton = nullptr;
    QPushButton* m_renumberButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_noticesButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
