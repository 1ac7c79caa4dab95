// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/setaside.h"

#include "platform/store/database.h"
#include "rules/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace rova::store
{

QString asidePath(const QString& folder, const QDate& day)
{
    const QString stem = QStringLiteral("rova-yamato-damaged-") + day.toString(QStringLiteral("yyyyMMdd"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".sqlite3"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral("-%1.sqlite3").arg(n));
    return path;
}

QString setAside(const QString& folder, const QDate& day)
{
    const QString from = QDir(folder).filePath(databaseFileName());
    const QString to = asidePath(folder, day);
    // The log files first: one left beside a new list would be read into it.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm"), QString()}) {
        if (suffix.isEmpty() || QFileInfo::exists(from + suffix)) {
            if (std::rename(QFile::encodeName(from + suffix).constData(),
                            QFile::encodeName(to + suffix).constData()) != 0)
                throw FileError(errtext::fromErrno(errno), from + suffix);
        }
    }
    return to;
}

} // namespace rova::store
