// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/sources.h"

#include <QDir>
#include <QFileInfo>

namespace rova::postal
{

Sources locateSources(const QString& optionFolder, const QString& variableFolder, const QString& cacheFolder)
{
    QString folder = optionFolder;
    if (folder.isEmpty())
        folder = variableFolder;
    if (folder.isEmpty())
        folder = QString::fromLatin1(kDefaultFolder);
    const QDir dir(folder);
    return {dir.filePath(QString::fromLatin1(kTownFile)), dir.filePath(QString::fromLatin1(kOfficeFile)),
            cacheFolder.isEmpty() ? QString() : QDir(cacheFolder).filePath(QString::fromLatin1(kCacheFile))};
}

FileStamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {path, -1, 0};
    return {path, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

} // namespace rova::postal
