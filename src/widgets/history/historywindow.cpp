// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/historywindow.h"

#include "platform/store/changefeed.h"
#include "rules/slip/trackingnumber.h"
#include "widgets/entry/slipentry.h"
#include "widgets/history/historyaccess.h"
#include "widgets/kit/dialogs.h"
#include "widgets/notices/noticedialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace rova;

namespace
{
constexpr int shownAtMost = 1000;

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QDateEdit* dayBox(QWidget* parent, const char* name, const QDate& day)
{
    auto* box = new QDateEdit(day, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    box->setCalendarPopup(true);
    box->setEnabled(false);
    return box;
}

const QString shownTime = QStringLiteral("yyyy/MM/dd HH:mm");

// The record a reprint printed again, as its row reads; by its number once it was deleted.
QString originalText(const store::Original& original)
{
    if (original.id == 0)
        return QString();
    if (original.printedAt.isNull())
        return QStringLiteral("No.%1 (削除済み)").arg(original.id);
    return original.printedAt.toString(shownTime) + QChar(0x3000) + original.name;
}

QStringList rowTexts(const store::HistoryEntry& e)
{
    const slip::SlipValues& s = e.slip;
    return {e.printedAt.toString(shownTime),
            s.slipType,
            s.name,
            s.tel,
            s.zip,
            QStringList{s.add1, s.add2, s.add3}.join(QChar(0x3000)).trimmed(),
            QStringList{s.g1, s.g2, s.g3}.join(QChar(0x3000)).trimmed(),
            e.printer,
            e.trackingNumber.isEmpty() ? QString()
                                       : rova::tracking::display(e.trackingNumber) +
                                             (e.spoiled ? QStringLiteral(" (書き損じ)") : QString()),
            originalText(e.reprintOf)};
}
} // namespace

HistoryWindow::HistoryWindow(HistoryAccess& history, SlipEntry& main) : m_history(history), m_main(main)
{
    setObjectName(QStringLiteral("Form_History"));
    setWindowTitle(QStringLiteral("印刷履歴"));
    build();
    bindKeys();
    resize(900, 520);
}

void HistoryWindow::build()
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("Edit_Search"));
    m_search->setPlaceholderText(QStringLiteral("おなまえ・でんわ・郵便番号・おところの一部"));
    m_search->setClearButtonEnabled(true);
    m_byPeriod = new QCheckBox(QStringLiteral("印刷日"), this);
    m_byPeriod->setObjectName(QStringLiteral("CheckBox_Period"));
    const QDate today = QDate::currentDate();
    m_from = dayBox(this, "DateEdit_From", today.addMonths(-1));
    m_to = dayBox(this, "DateEdit_To", today);

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("検索"), this));
    search->addWidget(m_search, 1);
    search->addWidget(m_byPeriod);
    search->addWidget(m_from);
    search->addWidget(new QLabel(QStringLiteral("～"), this));
    search->addWidget(m_to);

    m_grid = new QTableWidget(0, 10, this);
    m_grid->setObjectName(QStringLiteral("Grid_History"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("印刷日時"), QStringLiteral("送り状"),
                                       QStringLiteral("おなまえ"), QStringLiteral("でんわ"),
                                       QStringLiteral("郵便番号"), QStringLiteral("おところ"),
                                       QStringLiteral("品名"), QStringLiteral("プリンタ"),
                                       QStringLiteral("伝票番号"), QStringLiteral("再印刷元")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("Label_Count"));
    m_reprintButton = commandButton(this, "Button_Reprint", QStringLiteral("再印刷 (F11)"));
    m_loadButton = commandButton(this, "Button_Load", QStringLiteral("入力画面へ (Enter)"));
    m_renumberButton = commandButton(this, "Button_Renumber", QStringLiteral("伝票番号を付け直す"));
    m_exportButton = commandButton(this, "Button_Export", QStringLiteral("CSV出力"));
    m_noticesButton = commandButton(this, "Button_Notices", QStringLiteral("出荷通知を書き出す…"));
    m_deleteButton = commandButton(this, "Button_Delete", QStringLiteral("削除 (Del)"));
    m_closeButton = commandButton(this, "Button_Close", QStringLiteral("閉じる (Esc)"));
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_count, 1);
    for (QPushButton* b : {m_reprintButton, m_loadButton, m_renumberButton, m_exportButton, m_noticesButton,
                           m_deleteButton, m_closeButton})
        commands->addWidget(b);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(search);
    whole->addWidget(m_grid, 1);
    whole->addLayout(commands);

    connect(m_search, &QLineEdit::textChanged, this, &HistoryWindow::refresh);
    connect(m_byPeriod, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        refresh();
    });
    for (QDateEdit* day : {m_from, m_to})
        connect(day, &QDateEdit::dateChanged, this, &HistoryWindow::refresh);
    connect(m_grid, &QTableWidget::doubleClicked, this, [this] { run([this] { load(); }); });
    connect(m_reprintButton, &QPushButton::clicked, this, [this] { run([this] { reprint(); }); });
    connect(m_loadButton, &QPushButton::clicked, this, [this] { run([this] { load(); }); });
    connect(m_renumberButton, &QPushButton::clicked, this, [this] { run([this] { renumber(); }); });
    connect(m_exportButton, &QPushButton::clicked, this, [this] { run([this] { exportCsv(); }); });
    connect(m_noticesButton, &QPushButton::clicked, this,
            [this] { run([this] { rova::writeNotices(this, m_history, m_main.folder()); }); });
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { run([this] { removeChosen(); }); });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void HistoryWindow::bindKeys()
{
    // Delete and the arrows stay the search box's own while it has the focus.
    const auto bind = [this](QKeySequence key, const std::function<void()>& command) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, command] { run(command); });
    };
    bind(Qt::Key_Return, [this] { load(); });
    bind(Qt::Key_Enter, [this] { load(); });
    bind(Qt::Key_F11, [this] { reprint(); });
    bind(Qt::Key_Delete, [this] { removeChosen(); });
    bind(Qt::Key_Escape, [this] { close(); });
}

void HistoryWindow::open()
{
    if (!m_feed) {
        // A store that cannot be reached now is reported by the search; the next opening tries again.
        try {
            m_feed = new store::ChangeFeed(m_history.location(), store::Topic::History, this);
            connect(m_feed, &store::ChangeFeed::changed, this, &HistoryWindow::takeOutsideChanges);
            // Where the search says what failed.
            connect(m_feed, &store::ChangeFeed::lost, m_count, &QLabel::setText);
            connect(m_feed, &store::ChangeFeed::reached, this, [this] { m_history.reconnect(); });
        } catch (const Error&) {
        }
    }
    refresh();
    show();
    raise();
    activateWindow();
    m_search->setFocus(Qt::OtherFocusReason);
    m_search->selectAll();
}

void HistoryWindow::refresh()
{
    store::HistoryQuery query{m_search->text(), {}, {}, shownAtMost};
    if (m_byPeriod->isChecked()) {
        query.from = m_from->date();
        query.to = m_to->date();
    }
    try {
        m_entries = m_history.history().search(query);
    } catch (const std::exception& e) {
        // A server's connection that failed is given up, to be made again once the server answers.
        if (m_history.location().onServer())
            m_history.lost(QString::fromUtf8(e.what()));
        // Not a box per keystroke: the reason stays in the window until a search works again.
        m_entries.clear();
        fill();
        m_count->setText(QString::fromUtf8(e.what()));
        return;
    }
    fill();
    m_count->setText(m_entries.size() == shownAtMost
                         ? QStringLiteral("新しい順に %1 件を表示").arg(shownAtMost)
                         : QStringLiteral("%1 件").arg(m_entries.size()));
}

void HistoryWindow::takeOutsideChanges()
{
    if (!isVisible())
        return;
    QSet<qint64> chosenIds;
    for (const store::HistoryEntry& e : chosen())
        chosenIds.insert(e.id);
    const int currentRow = m_grid->currentRow();
    const qint64 current = currentRow >= 0 ? m_entries[currentRow].id : 0;
    // New records come at the top: at the top the operator sees them, further down the rows in view stay.
    const int topRow = m_grid->verticalScrollBar()->value() > 0 ? m_grid->rowAt(0) : -1;
    const qint64 top = topRow >= 0 ? m_entries[topRow].id : 0;
    refresh();
    QItemSelectionModel* selection = m_grid->selectionModel();
    selection->clearSelection();
    QModelIndex topIndex;
    for (int row = 0; row < m_entries.size(); ++row) {
        const QModelIndex index = m_grid->model()->index(row, 0);
        if (chosenIds.contains(m_entries[row].id))
            selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (m_entries[row].id == current)
            selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        if (m_entries[row].id == top)
            topIndex = index;
    }
    // After the current row, whose change scrolls the view to it.
    if (topIndex.isValid())
        m_grid->scrollTo(topIndex, QAbstractItemView::PositionAtTop);
    else
        m_grid->verticalScrollBar()->setValue(0);
}

void HistoryWindow::fill()
{
    m_grid->setUpdatesEnabled(false);
    m_grid->clearContents();
    m_grid->setRowCount(int(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const QStringList texts = rowTexts(m_entries[row]);
        for (int column = 0; column < texts.size(); ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    if (!m_entries.isEmpty())
        m_grid->selectRow(0);
    m_grid->setUpdatesEnabled(true);
}

QList<store::HistoryEntry> HistoryWindow::chosen() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_grid->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<store::HistoryEntry> entries;
    for (const int row : rows)
        entries << m_entries[row];
    return entries;
}

void HistoryWindow::run(const std::function<void()>& command)
{
    guarded(this, command);
}
