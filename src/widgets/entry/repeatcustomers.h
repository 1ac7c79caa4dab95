// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repeat customers: while the operator types a name or telephone number in the main window, the
// destinations of earlier slips that begin so (either width, the most recent first) are offered;
// choosing one fills the destination of the slip and nothing else, and nothing is filled unchosen.

#include "platform/store/history.h"

#include <QList>
#include <QObject>

class MainWindow;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace rova
{

class HistoryAccess;

class RepeatCustomers : public QObject
{
    Q_OBJECT
public:
    RepeatCustomers(MainWindow& main, HistoryAccess& history);

private:
    struct Field {
        QLineEdit* edit = nullptr;
        QCompleter* completer = nullptr;
        QStandardItemModel* model = nullptr;
        QList<store::Destination> offered; // as the model's rows show them
    };

    void attach(Field& field);
    void offer(Field& field, const QString& typed);
    void choose(const store::Destination& destination);

    MainWindow& m_main;
    HistoryAccess& m_history;
    Field m_name, m_tel;
};

} // namespace rova
