// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/notices/noticeexport.h"

#include "rules/errors.h"
#include "rules/files/fileio.h"

#include <QDir>
#include <QFileInfo>

namespace rova::notices
{

namespace
{
// A name of its own in the folder: an earlier export of the same second is never replaced.
QString freeName(const QDir& dir, const QString& name)
{
    const QFileInfo info(name);
    QString candidate = name;
    for (int n = 2; dir.exists(candidate); ++n)
        candidate = QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
    return candidate;
}
} // namespace

Exported exportNotices(store::History& history, const QString& folder, bool all,
                       const orders::NoticeSettings& settings, const QDateTime& now)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        throw Error(QStringLiteral("出荷通知を書き出すフォルダ %1 がありません。\n"
                                   "フォルダを作るか、ほかのフォルダを選んでください。")
                        .arg(folder));
    QList<orders::NoticeSlip> slips;
    for (const store::HistoryEntry& e : history.forNotices(all))
        slips << orders::NoticeSlip{e.id, e.slip.order, e.trackingNumber, e.spoiled, e.printedAt.date()};
    Exported exported{orders::buildNotices(slips, settings, now), {}};
    QStringList written;
    for (orders::NoticeFile& file : exported.notices.files) {
        file.fileName = freeName(dir, file.fileName);
        const QString path = dir.filePath(file.fileName);
        try {
            fileio::writeAtomically(path, file.bytes);
        } catch (const FileError& e) {
            throw Error(QStringLiteral("出荷通知 %1 を書き出せませんでした: %2\n%3\n"
                                       "書き込めるフォルダを選んで、もう一度書き出してください。")
                            .arg(path, e.reason(),
                                 written.isEmpty()
                                     ? QStringLiteral("ほかのファイルも書き出していません。")
                                     : QStringLiteral("書き出したファイル: %1").arg(written.join(u'、'))));
        }
        history.markNotified(file.ids, now);
        written << path;
    }
    history.markNotified(exported.notices.settled, now);
    exported.summary = orders::noticeSummary(exported.notices);
    return exported;
}

} // namespace rova::notices
