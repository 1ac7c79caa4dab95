// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/server: "データベースサーバー…" of the batch window.
//
// The server of the list and the history as the key "ROVA_DATABASE" of rova-yamato.conf holds it (an
// empty field: the file in the data folder), a test of the connection that leaves the window
// responsive, and what overrides the key. The password stays in ~/.pgpass: a URI holding one is
// never written.

#include "platform/store/location.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class ServerDialog : public QDialog
{
    Q_OBJECT
public:
    // The key of `store`'s data folder; `store` also tells whether --database or the environment
    // chose the server of this run.
    ServerDialog(const rova::store::Location& store, QWidget* parent);

    // Connects to the server in the field on a thread of its own; the result line says how it went.
    void testConnection();
    // Writes the key, unless the field holds a password or no server's URI (said on the result line).
    void accept() override;

private:
    QString server() const;
    void say(const QString& text);

    QString m_folder;
    QLineEdit* m_server = nullptr;
    QPushButton* m_test = nullptr;
    QLabel* m_result = nullptr;
};
