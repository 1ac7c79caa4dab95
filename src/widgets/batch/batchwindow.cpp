// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/batch/batchwindow.h"

#include "widgets/batch/batchmodel.h"
#include "widgets/entry/slipentry.h"
#include "widgets/kit/dialogs.h"
#include "widgets/notices/noticedialog.h"
#include "widgets/server/serverdialog.h"

#include "platform/batch/rowcheck.h"
#include "platform/store/changefeed.h"
#include "rules/files/assignmentfile.h"
#include "rules/slip/sliplayout.h"
#include "widgets/entry/postalassist.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using rova::guarded;

namespace
{
QPushButton* namedButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}
} // namespace

BatchWindow::BatchWindow(SlipEntry& main, const rova::PostalAssist& postal,
                         const rova::store::Location& store, rova::HistoryAccess& history, QWidget* parent)
    : QMainWindow(parent), m_main(main), m_postal(postal), m_store(store), m_history(history)
{
    setObjectName(QStringLiteral("Form_Batch"));
    setWindowTitle(QStringLiteral("一括印刷"));
    setAcceptDrops(true);
    // Closing the entry window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    build();
}

BatchWindow::~BatchWindow() = default;

void BatchWindow::build()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_controls = buildButtons();
    layout->addWidget(m_controls);
    m_table = new QTableView(central);
    m_table->setObjectName(QStringLiteral("TableView_Batch"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Column widths from the first rows only: measuring 10,000 rows would hold the window up.
    m_table->horizontalHeader()->setResizeContentsPrecision(50);
    layout->addWidget(m_table, 1);
    buildMenu();
    layout->addWidget(buildNotes());
    layout->addWidget(buildProgress());
    setCentralWidget(central);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Label_Status"));
    statusBar()->addWidget(m_status, 1);

    connect(m_table, &QTableView::doubleClicked, this, [this] { guarded(this, [this] { loadCurrent(); }); });
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(key, m_table, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { guarded(this, [this] { loadCurrent(); }); });
    }
    auto* del = new QShortcut(QKeySequence::Delete, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, [this] { guarded(this, [this] { deleteSelected(); }); });
    auto* f11 = new QShortcut(Qt::Key_F11, this);
    connect(f11, &QShortcut::activated, m_printButton, &QPushButton::click);
    // As the history and the preview close; the list stays in the database.
    auto* esc = new QShortcut(Qt::Key_Escape, this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
    resize(1000, 600);
}

void BatchWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* import = file->addAction(QStringLiteral("取り込み(&O)..."));
    import->setObjectName(QStringLiteral("Action_Import"));
    import->setShortcut(QKeySequence::Open);
    connect(import, &QAction::triggered, this, [this] { guarded(this, [this] { chooseImport(); }); });
    QAction* exportAction = file->addAction(QStringLiteral("書き出し(&E)..."));
    exportAction->setObjectName(QStringLiteral("Action_Export"));
    connect(exportAction, &QAction::triggered, this, [this] { guarded(this, [this] { exportList(); }); });
    QAction* nextNumber = file->addAction(QStringLiteral("伝票番号(&N)..."));
    nextNumber->setObjectName(QStringLiteral("Action_NextNumber"));
    connect(nextNumber, &QAction::triggered, this,
            [this] { guarded(this, [this] { registerNextNumber(); }); });
    // Also on the rows' own menu (the context menu key or a right click).
    QAction* release = file->addAction(QStringLiteral("解除"));
    release->setObjectName(QStringLiteral("Action_Release"));
    release->setStatusTip(
        QStringLiteral("選んだ行を印刷中の端末から外し、この端末でも印刷できるようにします"));
    connect(release, &QAction::triggered, this, [this] { guarded(this, [this] { releaseSelected(); }); });
    m_table->addAction(release);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction* notices = file->addAction(QStringLiteral("出荷通知を書き出す…"));
    notices->setObjectName(QStringLiteral("Action_Notices"));
    connect(notices, &QAction::triggered, this,
            [this] { guarded(this, [this] { rova::writeNotices(this, m_history, m_main.folder()); }); });
    QAction* server = file->addAction(QStringLiteral("データベースサーバー…"));
    server->setObjectName(QStringLiteral("Action_Server"));
    connect(server, &QAction::triggered, this, [this] {
        ServerDialog dialog(m_store, this);
        rova::Dialogs::exec(dialog);
    });
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("閉じる(&C)"));
    close->setObjectName(QStringLiteral("Action_Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

QWidget* BatchWindow::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& name, const QString& caption, std::function<void()> action) {
        QPushButton* button = namedButton(bar, name, caption);
        connect(button, &QPushButton::clicked, this, [this, action] { guarded(this, action); });
        row->addWidget(button);
        return button;
    };
    add(QStringLiteral("Button_Add"), QStringLiteral("追加"), [this] { addFromMain(); });
    add(QStringLiteral("Button_Load"), QStringLiteral("開く"), [this] { loadCurrent(); });
    add(QStringLiteral("Button_Back"), QStringLiteral("戻す"), [this] { writeBack(); });
    add(QStringLiteral("Button_Delete"), QStringLiteral("削除"), [this] { deleteSelected(); });
    add(QStringLiteral("Button_Tick"), QStringLiteral("チェック"), [this] { tickSelected(true); });
    add(QStringLiteral("Button_Untick"), QStringLiteral("チェック外し"), [this] { tickSelected(false); });
    row->addSpacing(12);
    m_slipType = new QComboBox(bar);
    m_slipType->setObjectName(QStringLiteral("ComboBox_SlipType"));
    m_slipType->addItems(rova::slip::slipTypes());
    row->addWidget(m_slipType);
    add(QStringLiteral("Button_SlipType"), QStringLiteral("種類変更"), [this] { changeSlipType(); });
    row->addStretch(1);
    m_printButton = add(QStringLiteral("Button_Print"), QStringLiteral("印刷"), [this] { print(); });
    return bar;
}

QWidget* BatchWindow::buildNotes()
{
    auto* notes = new QWidget(this);
    auto* column = new QVBoxLayout(notes);
    column->setContentsMargins(0, 0, 0, 0);
    m_emptyHint = new QLabel(
        QStringLiteral(
            "一覧は空です。Ctrl+O で注文ファイルを取り込むか、ファイルをここにドロップしてください。"),
        notes);
    m_emptyHint->setObjectName(QStringLiteral("Label_EmptyHint"));
    column->addWidget(m_emptyHint);
    m_rowMarks = new QLabel(notes);
    m_rowMarks->setObjectName(QStringLiteral("Label_RowMarks"));
    m_rowMarks->setTextFormat(Qt::PlainText);
    m_rowMarks->setWordWrap(true);
    column->addWidget(m_rowMarks);
    m_importLog = new QPlainTextEdit(notes);
    m_importLog->setObjectName(QStringLiteral("TextEdit_ImportLog"));
    m_importLog->setReadOnly(true);
    m_importLog->setMaximumHeight(fontMetrics().height() * 4 + 12);
    m_importLog->hide();
    column->addWidget(m_importLog);
    return notes;
}

void BatchWindow::showRowMarks()
{
    const QModelIndex current = m_table->currentIndex();
    const QString text = current.isValid() ? BatchModel::marksText(m_model->row(current.row())) : QString();
    m_rowMarks->setText(text);
    m_rowMarks->setVisible(!text.isEmpty());
    m_emptyHint->setVisible(m_model->rowCount() == 0);
}

void BatchWindow::fitColumns()
{
    m_table->resizeColumnsToContents();
    const int widest = fontMetrics().horizontalAdvance(QChar(0x3042)) * 14;
    for (const int column : {BatchModel::Address1, BatchModel::Name, BatchModel::Item1})
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), widest));
}

QWidget* BatchWindow::buildProgress()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_progress = new QProgressBar(bar);
    m_progress->setObjectName(QStringLiteral("ProgressBar_Print"));
    m_progress->setFormat(QStringLiteral("%v / %m 枚"));
    row->addWidget(m_progress, 1);
    m_cancelButton = namedButton(bar, QStringLiteral("Button_Cancel"), QStringLiteral("中止"));
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { m_cancel = true; });
    row->addWidget(m_cancelButton);
    bar->hide();
    return bar;
}

std::unique_ptr<rova::store::BatchList> BatchWindow::openList()
{
    for (;;) {
        try {
            return std::make_unique<rova::store::BatchList>(m_store);
        } catch (const rova::store::DamagedDatabase&) {
            throw;
        } catch (const rova::Error& e) {
            // A server may be back in a moment (restarted, the network cable found): the operator
            // need not reopen the window to try again.
            if (!m_store.onServer())
                throw;
            if (!rova::Dialogs::ask(this, e.message() + QStringLiteral("\n\nもう一度接続しますか?")))
                return nullptr;
        }
    }
}

bool BatchWindow::ensureList()
{
    // A server's connection broken while the window was open (restarted, the network away) is made
    // again at the next command, as on opening; the file's is not asked, it always answers.
    if (m_list && (!m_store.onServer() || m_list->answers()))
        return true;
    bool ready = false;
    guarded(this, [this, &ready] {
        auto list = openList();
        if (!list)
            return;
        if (m_list) {
            m_model->setList(*list);
            m_list = std::move(list);
            ready = true;
            return;
        }
        listenForChanges();
        m_list = std::move(list);
        m_model = new BatchModel(*m_list, this);
        m_table->setModel(m_model);
        connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &BatchWindow::showRowMarks);
        connect(m_model, &QAbstractItemModel::dataChanged, this, &BatchWindow::showRowMarks);
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, &BatchWindow::showRowMarks);
        connect(m_model, &QAbstractItemModel::rowsInserted, this, &BatchWindow::showRowMarks);
        showRowMarks();
        ready = true;
    });
    return ready;
}

void BatchWindow::listenForChanges()
{
    // Another station or process (the command line) may change the list while the window is open: a
    // server says so at once, the file's revision is read each second (which also shows claims
    // lapsing).
    if (m_store.onServer()) {
        auto* feed = new rova::store::ChangeFeed(m_store, rova::store::Topic::BatchList, this);
        connect(feed, &rova::store::ChangeFeed::changed, this, &BatchWindow::takeOutsideChanges);
        connect(feed, &rova::store::ChangeFeed::lost, this, [this](const QString& reason) { say(reason); });
        connect(feed, &rova::store::ChangeFeed::reached, this, [this, feed] {
            if (m_status->text() == feed->lostReason())
                say(QString());
        });
        return;
    }
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &BatchWindow::takeOutsideChanges);
    poll->start(1000);
}

void BatchWindow::open()
{
    if (!ensureList())
        return;
    m_slipType->setCurrentText(m_main.slipValues().slipType);
    refresh();
    fitColumns();
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void BatchWindow::refresh()
{
    const int before = m_model->rowCount();
    try {
        m_model->refresh();
    } catch (const rova::Error& e) {
        say(e.message());
    }
    // New rows, from this window or another process, get their widths; otherwise the operator's stay.
    if (m_model->rowCount() > before)
        fitColumns();
}

void BatchWindow::takeOutsideChanges()
{
    // While it prints, the print itself reads the list at its end; a hidden window reads it on opening.
    if (m_model && isVisible() && m_controls->isEnabled() && ensureList())
        refresh();
}

void BatchWindow::say(const QString& text)
{
    m_status->setText(text);
}

QList<qint64> BatchWindow::selectedIds() const
{
    // From the ranges, in list order: selectedRows() looks for every row in every range, which with
    // a thousand rows chosen one by one takes longer than ticking them.
    QList<int> rows;
    for (const QItemSelectionRange& range : m_table->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    }
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<qint64> ids;
    for (const int row : rows)
        ids << m_model->row(row).id;
    return ids;
}

rova::batch::RowCheck BatchWindow::rowCheck() const
{
    const rova::slip::AssignmentFile assignments(m_main.folder());
    return rova::batch::RowCheck(
        QDate::currentDate(), m_main.jobs(),
        [assignments](const QString& type) { return assignments.load(type); }, m_postal.index());
}

void BatchWindow::say(const QString& text, const rova::batch::RowCheck& check)
{
    say((QStringList{text} + check.notChecked()).join(QStringLiteral("　")));
}

void BatchWindow::closeEvent(QCloseEvent* event)
{
    // Closing while a batch prints would leave the loop without its window: cancel first.
    if (!m_controls->isEnabled()) {
        m_cancel = true;
        event->ignore();
        return;
    }
    // The import log is of this sitting.
    m_importLog->clear();
    m_importLog->hide();
    QMainWindow::closeEvent(event);
}
