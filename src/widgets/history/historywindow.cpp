#include "widgets/history/historywindow.h"

#include "widgets/entry/slipentry.h"
#include "widgets/history/historyaccess.h"
#include "widgets/kit/dialogs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QStringList rowTexts(const store::HistoryEntry& e)
{
    const slip::SlipValues& s = e.slip;
    return {e.printedAt.toString(QStringLiteral("yyyy/MM/dd HH:mm")),
            s.slipType,
            s.name,
            s.tel,
            s.zip,
            QStringList{s.add1, s.add2, s.add3}.join(QChar(0x3000)).trimmed(),
            QStringList{s.g1, s.g2, s.g3}.join(QChar(0x3000)).trimmed(),
            e.printer};
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
    Edit_Search = new QLineEdit(this);
    Edit_Search->setObjectName(QStringLiteral("Edit_Search"));
    Edit_Search->setPlaceholderText(QStringLiteral("おなまえ・でんわ・郵便番号・おところの一部"));
    Edit_Search->setClearButtonEnabled(true);
    CheckBox_Period = new QCheckBox(QStringLiteral("印刷日"), this);
    CheckBox_Period->setObjectName(QStringLiteral("CheckBox_Period"));
    const QDate today = QDate::currentDate();
    DateEdit_From = dayBox(this, "DateEdit_From", today.addMonths(-1));
    DateEdit_To = dayBox(this, "DateEdit_To", today);

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("検索"), this));
    search->addWidget(Edit_Search, 1);
    search->addWidget(CheckBox_Period);
    search->addWidget(DateEdit_From);
    search->addWidget(new QLabel(QStringLiteral("～"), this));
    search->addWidget(DateEdit_To);

    Grid_History = new QTableWidget(0, 8, this);
    Grid_History->setObjectName(QStringLiteral("Grid_History"));
    Grid_History->setHorizontalHeaderLabels({QStringLiteral("印刷日時"), QStringLiteral("送り状"),
                                             QStringLiteral("おなまえ"), QStringLiteral("でんわ"),
                                             QStringLiteral("郵便番号"), QStringLiteral("おところ"),
                                             QStringLiteral("品名"), QStringLiteral("プリンタ")});
    Grid_History->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid_History->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_History->verticalHeader()->hide();
    Grid_History->horizontalHeader()->setStretchLastSection(true);

    Label_Count = new QLabel(this);
    Label_Count->setObjectName(QStringLiteral("Label_Count"));
    Button_Reprint = commandButton(this, "Button_Reprint", QStringLiteral("再印刷 (F11)"));
    Button_Load = commandButton(this, "Button_Load", QStringLiteral("入力画面へ (Enter)"));
    Button_Export = commandButton(this, "Button_Export", QStringLiteral("CSV出力"));
    Button_Delete = commandButton(this, "Button_Delete", QStringLiteral("削除 (Del)"));
    Button_Close = commandButton(this, "Button_Close", QStringLiteral("閉じる (Esc)"));
    auto* commands = new QHBoxLayout;
    commands->addWidget(Label_Count, 1);
    for (QPushButton* b : {Button_Reprint, Button_Load, Button_Export, Button_Delete, Button_Close})
        commands->addWidget(b);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(search);
    whole->addWidget(Grid_History, 1);
    whole->addLayout(commands);

    connect(Edit_Search, &QLineEdit::textChanged, this, &HistoryWindow::refresh);
    connect(CheckBox_Period, &QCheckBox::toggled, this, [this](bool on) {
        DateEdit_From->setEnabled(on);
        DateEdit_To->setEnabled(on);
        refresh();
    });
    for (QDateEdit* day : {DateEdit_From, DateEdit_To})
        connect(day, &QDateEdit::dateChanged, this, &HistoryWindow::refresh);
    connect(Grid_History, &QTableWidget::doubleClicked, this, [this] { run([this] { load(); }); });
    connect(Button_Reprint, &QPushButton::clicked, this, [this] { run([this] { reprint(); }); });
    connect(Button_Load, &QPushButton::clicked, this, [this] { run([this] { load(); }); });
    connect(Button_Export, &QPushButton::clicked, this, [this] { run([this] { exportCsv(); }); });
    connect(Button_Delete, &QPushButton::clicked, this, [this] { run([this] { removeChosen(); }); });
    connect(Button_Close, &QPushButton::clicked, this, &QWidget::close);
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
    refresh();
    show();
    raise();
    activateWindow();
    Edit_Search->setFocus(Qt::OtherFocusReason);
    Edit_Search->selectAll();
}

void HistoryWindow::refresh()
{
    store::HistoryQuery query{Edit_Search->text(), {}, {}, shownAtMost};
    if (CheckBox_Period->isChecked()) {
        query.from = DateEdit_From->date();
        query.to = DateEdit_To->date();
    }
    try {
        m_entries = m_history.history().search(query);
    } catch (const std::exception& e) {
        // Not a box per keystroke: the reason stays in the window until a search works again.
        m_entries.clear();
        fill();
        Label_Count->setText(QString::fromUtf8(e.what()));
        return;
    }
    fill();
    Label_Count->setText(m_entries.size() == shownAtMost
                             ? QStringLiteral("新しい順に %1 件を表示").arg(shownAtMost)
                             : QStringLiteral("%1 件").arg(m_entries.size()));
}

void HistoryWindow::fill()
{
    Grid_History->setUpdatesEnabled(false);
    Grid_History->clearContents();
    Grid_History->setRowCount(int(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const QStringList texts = rowTexts(m_entries[row]);
        for (int column = 0; column < texts.size(); ++column)
            Grid_History->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    if (!m_entries.isEmpty())
        Grid_History->selectRow(0);
    Grid_History->setUpdatesEnabled(true);
}

QList<store::HistoryEntry> HistoryWindow::chosen() const
{
    QList<int> rows;
    for (const QModelIndex& index : Grid_History->selectionModel()->selectedRows())
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
