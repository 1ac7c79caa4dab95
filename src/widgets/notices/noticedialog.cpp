// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/notices/noticedialog.h"

#include "platform/notices/noticeexport.h"
#include "rules/errors.h"
#include "rules/files/programsettings.h"
#include "widgets/history/historyaccess.h"
#include "widgets/kit/dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using rova::Dialogs;

NoticeDialog::NoticeDialog(const QString& dataFolder, QWidget* parent)
    : QDialog(parent), m_folders(this, rova::ProgramSettings(dataFolder), rova::FileKind::Notices)
{
    setObjectName(QStringLiteral("Dialog_Notices"));
    setWindowTitle(QStringLiteral("出荷通知を書き出す"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("印刷した送り状の伝票番号を、モールごとに1つのファイルに書き出します。"), this));

    m_folder = new QLineEdit(m_folders.startFolder(), this);
    m_folder->setObjectName(QStringLiteral("Edit_Folder"));
    auto* browse = new QPushButton(QStringLiteral("参照..."), this);
    browse->setObjectName(QStringLiteral("Button_Browse"));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = m_folders.folder(QStringLiteral("書き出すフォルダ"));
        if (!chosen.isEmpty())
            m_folder->setText(chosen);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("フォルダ"), this));
    row->addWidget(m_folder, 1);
    row->addWidget(browse);
    layout->addLayout(row);

    m_all = new QCheckBox(QStringLiteral("書き出し済みの送り状ももう一度書き出す"), this);
    m_all->setObjectName(QStringLiteral("CheckBox_All"));
    layout->addWidget(m_all);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button_Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Button_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString NoticeDialog::folder() const
{
    return m_folder->text().trimmed();
}

bool NoticeDialog::all() const
{
    return m_all->isChecked();
}

void NoticeDialog::rememberFolder()
{
    m_folders.rememberFolder(folder());
}

namespace rova
{

void writeNotices(QWidget* parent, HistoryAccess& history, const QString& dataFolder)
{
    store::History& records = history.history();
    // The slips written must be marked, or the next export writes them again.
    if (history.readOnly())
        throw Error(QStringLiteral("データフォルダに書き込めないため、出荷通知は書き出せません。\n"
                                   "データフォルダに書き込めるようにしてから、もう一度お試しください。"));
    NoticeDialog dialog(dataFolder, parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    const notices::Exported exported =
        notices::exportNotices(records, dialog.folder(), dialog.all(),
                               ProgramSettings(dataFolder).noticeSettings(), QDateTime::currentDateTime());
    dialog.rememberFolder();
    Dialogs::tell(parent, exported.summary);
}

} // namespace rova
