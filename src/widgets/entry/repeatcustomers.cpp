// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry/repeatcustomers.h"

#include "widgets/entry/mainwindow.h"
#include "widgets/history/historyaccess.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStatusBar>

namespace rova
{

namespace
{
constexpr int offeredAtMost = 10;

QString offerText(const store::Destination& d)
{
    const QString sep = QStringLiteral("　／　");
    return d.name + sep + d.tel + sep + d.zip + sep + d.add1;
}
} // namespace

RepeatCustomers::RepeatCustomers(MainWindow& main, HistoryAccess& history)
    : QObject(&main), m_main(main), m_history(history)
{
    m_name.edit = main.destinationFields().name;
    m_tel.edit = main.destinationFields().tel;
    attach(m_name);
    attach(m_tel);
}

void RepeatCustomers::attach(Field& field)
{
    field.model = new QStandardItemModel(this);
    // Only tied to the edit, not set as its completer: the edit's text changes on the choice alone,
    // never while the operator walks the offers.
    field.completer = new QCompleter(field.model, this);
    field.completer->setWidget(field.edit);
    field.completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    connect(field.edit, &QLineEdit::textEdited, this,
            [this, &field](const QString& typed) { offer(field, typed); });
    connect(field.completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this, &field](const QModelIndex& index) {
                if (index.row() >= 0 && index.row() < field.offered.size())
                    choose(field.offered[index.row()]);
            });
}

void RepeatCustomers::offer(Field& field, const QString& typed)
{
    field.offered.clear();
    if (!typed.trimmed().isEmpty()) {
        try {
            field.offered = m_history.history().recentDestinations(typed, offeredAtMost);
        } catch (const std::exception& e) {
            m_main.statusLine().showMessage(QString::fromUtf8(e.what()).replace('\n', ' '));
        }
    }
    field.model->clear();
    for (const store::Destination& d : field.offered)
        field.model->appendRow(new QStandardItem(offerText(d)));
    if (field.offered.isEmpty()) {
        field.completer->popup()->hide();
        return;
    }
    field.completer->complete();
}

void RepeatCustomers::choose(const store::Destination& d)
{
    slip::SlipValues slip = m_main.slipValues();
    slip.zip = d.zip;
    slip.add1 = d.add1;
    slip.add2 = d.add2;
    slip.add3 = d.add3;
    slip.name = d.name;
    slip.tel = d.tel;
    m_main.showSlip(slip);
}

} // namespace rova
