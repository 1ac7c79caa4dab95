// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/databasecheck.h"

#include "platform/store/database.h"
#include "platform/store/setaside.h"
#include "widgets/kit/dialogs.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace rova
{

void checkDatabaseAtStart(const QString& folder)
{
    // A file not there yet cannot be damaged; it is made at its first use, not before the window shows.
    if (!QFileInfo::exists(QDir(folder).filePath(store::databaseFileName())))
        return;
    try {
        store::Database probe(folder);
    } catch (const store::DamagedDatabase& e) {
        const QDate today = QDate::currentDate();
        const QString aside = QFileInfo(store::asidePath(folder, today)).fileName();
        if (!Dialogs::ask(nullptr, QStringLiteral("%1\n\nこのファイルを %2 と名前を変えて残し（消しません）、"
                                                  "新しい一覧で始めますか?\n"
                                                  "いいえ: このまま始めます。履歴と一括印刷は使えません")
                                       .arg(e.message(), aside)))
            return;
        guarded(nullptr, [&] { store::setAside(folder, today); });
    } catch (const Error&) {
        // A folder that cannot be written and the like are said by the command that needs the
        // database, with what they mean there.
    }
}

} // namespace rova
