// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/batch: the batch window, its model and the column mapping dialog.
//
// The batch window ("Form_Batch"): slips waiting to be printed together, imported from order files
// or added from the entry window, checked, corrected in the entry window and printed in one go.
// F10 of the entry window opens it. The list is kept in the data folder's database, so nothing of
// it is lost with the window or the program.

#include "platform/store/batchlist.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class BatchModel;
class SlipEntry;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace rova
{
class HistoryAccess;
class PostalAssist;
namespace batch
{
class RowCheck;
}
} // namespace rova

class BatchWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Slips are corrected in `main`, printed through its print service, and the list is kept in
    // `store`. Rows are checked against the postal dictionary `postal` has in use. The shipping
    // notices come from the program's `history`.
    BatchWindow(SlipEntry& main, const rova::PostalAssist& postal, const rova::store::Location& store,
                rova::HistoryAccess& history, QWidget* parent = nullptr);
    ~BatchWindow() override;

    // Shows the window over the list as it now stands (F10 of the entry window).
    void open();

    // ---- operations ----
    void importFiles(const QStringList& paths);
    void chooseImport();
    void exportList();
    void addFromMain();
    void loadCurrent();
    void writeBack();
    void deleteSelected();
    void tickSelected(bool ticked);
    // Ends other stations' claims on the selected rows, after the operator confirmed that the
    // station holding them stopped.
    void releaseSelected();
    void changeSlipType();
    void print();
    // The tracking number of the next blank form of a slip type, as the print position dialog has it.
    void registerNextNumber();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void buildMenu();
    QWidget* buildButtons();
    QWidget* buildProgress();
    // The lines under the table: the current row's marks, the hint of an empty list, the imports.
    QWidget* buildNotes();
    void showRowMarks();
    // Widths for the rows there, the long columns held narrow enough to keep the row on screen.
    void fitColumns();
    // The list; while the server does not answer, tried again as long as the operator asks to (null
    // when the operator gives up).
    std::unique_ptr<rova::store::BatchList> openList();
    // Opens the database the first time the window is wanted, not at the program's start, and again
    // when its connection broke; false when there is no list to work on.
    bool ensureList();
    void listenForChanges();
    void refresh();
    // Another connection may have changed the list.
    void takeOutsideChanges();
    // The line the import log keeps for the file.
    QString importFile(const QString& path);
    // Why the ticked rows of `rows` about to print are marked, as the question before printing says it.
    QString markedSummary(const QList<rova::store::BatchRow>& rows) const;
    QList<qint64> selectedIds() const;
    // The check of rows made now: each slip type's printer is asked once for all of them.
    rova::batch::RowCheck rowCheck() const;
    // The status line's text, with what the check could not look at.
    void say(const QString& text, const rova::batch::RowCheck& check);
    void setPrinting(bool printing);
    void say(const QString& text);

    SlipEntry& m_main;
    const rova::PostalAssist& m_postal;
    const rova::store::Location m_store;
    rova::HistoryAccess& m_history;
    std::unique_ptr<rova::store::BatchList> m_list;
    BatchModel* m_model = nullptr;
    qint64 m_loadedId = 0; // the row the entry window holds for correction
    bool m_cancel = false;

    QTableView* m_table = nullptr;
    QComboBox* m_slipType = nullptr;
    QPushButton* m_printButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_rowMarks = nullptr;
    QLabel* m_emptyHint = nullptr;
    QPlainTextEdit* m_importLog = nullptr;
    QWidget* m_controls = nullptr;
};
