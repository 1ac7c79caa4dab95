// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/server/serverdialog.h"

#include "platform/store/database.h"
#include "rules/errors.h"
#include "rules/files/programsettings.h"
#include "widgets/kit/dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

using namespace rova;

namespace
{
// What chose this run's store instead of the key, or nothing when the key did.
QString overriddenBy(const store::Location& store)
{
    const QString server = store::shownServer(store.server);
    switch (store.chosenBy) {
    case store::ChosenBy::Option:
        return QStringLiteral("いまは起動オプション --database の %1 を使っています。"
                              "ここでの設定は、このオプションを付けずに起動したときに使われます。")
            .arg(server);
    case store::ChosenBy::Environment:
        return QStringLiteral("いまは環境変数 %1 の %2 を使っています。"
                              "ここでの設定は、この環境変数がないときに使われます。")
            .arg(store::locationVariable(), server);
    case store::ChosenBy::Settings:
        break;
    }
    return QString();
}

QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

ServerDialog::ServerDialog(const store::Location& store, QWidget* parent)
    : QDialog(parent), m_folder(store.folder)
{
    setObjectName(QStringLiteral("Dialog_Server"));
    setWindowTitle(QStringLiteral("データベースサーバー"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrapped(QStringLiteral("一括印刷の一覧と印刷履歴を置く PostgreSQL サーバーの接続 URI"
                                             " (例: postgresql://packer@192.0.2.10/shop)。"
                                             "空欄ならデータフォルダのファイルを使います。"
                                             "パスワードは URI に書かず、~/.pgpass に書いてください。"),
                              this));

    m_server = new QLineEdit(ProgramSettings(m_folder).database(), this);
    m_server->setObjectName(QStringLiteral("Edit_Server"));
    m_test = new QPushButton(QStringLiteral("接続テスト"), this);
    m_test->setObjectName(QStringLiteral("Button_Test"));
    m_test->setAutoDefault(false);
    connect(m_test, &QPushButton::clicked, this, &ServerDialog::testConnection);
    auto* row = new QHBoxLayout;
    row->addWidget(m_server, 1);
    row->addWidget(m_test);
    layout->addLayout(row);

    m_result = wrapped(QString(), this);
    m_result->setObjectName(QStringLiteral("Label_Result"));
    layout->addWidget(m_result);
    const QString overridden = overriddenBy(store);
    QLabel* overrideNote = wrapped(overridden, this);
    overrideNote->setObjectName(QStringLiteral("Label_Override"));
    overrideNote->setVisible(!overridden.isEmpty());
    layout->addWidget(overrideNote);
    layout->addWidget(wrapped(QStringLiteral("変更は次回の起動から有効になります。"), this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button_Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Button_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ServerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

QString ServerDialog::server() const
{
    return m_server->text().trimmed();
}

void ServerDialog::say(const QString& text)
{
    m_result->setText(text);
}

void ServerDialog::testConnection()
{
    const QString uri = server();
    if (uri.isEmpty()) {
        say(QStringLiteral("空欄のときはデータフォルダのファイル %1 を使います。")
                .arg(QDir(m_folder).filePath(store::databaseFileName())));
        return;
    }
    try {
        store::checkServer(uri);
    } catch (const Error& e) {
        say(e.message());
        return;
    }
    say(QStringLiteral("%1 に接続しています…").arg(store::shownServer(uri)));
    m_test->setEnabled(false);
    // A server that does not answer takes up to the connect timeout: the window goes on meanwhile.
    // The thread outlives a dialog closed before the answer and then deletes itself alone.
    auto failure = std::make_shared<QString>();
    QThread* worker = QThread::create([tried = store::Location(m_folder, uri), failure] {
        try {
            store::tryServer(tried);
        } catch (const Error& e) {
            *failure = e.message();
        } catch (const std::exception& e) {
            *failure = QString::fromUtf8(e.what());
        }
    });
    connect(worker, &QThread::finished, this, [this, uri, failure] {
        m_test->setEnabled(true);
        say(failure->isEmpty() ? QStringLiteral("%1 に接続できました。").arg(store::shownServer(uri))
                               : *failure);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void ServerDialog::accept()
{
    const QString uri = server();
    if (store::holdsPassword(uri)) {
        say(QStringLiteral("パスワードを含む URI は保存しません。"
                           "URI からパスワードを消し、パスワードは ~/.pgpass に書いてください。"));
        return;
    }
    try {
        if (!uri.isEmpty())
            store::checkServer(uri);
        ProgramSettings(m_folder).setDatabase(uri);
    } catch (const Error& e) {
        say(e.message());
        return;
    }
    QDialog::accept();
}
