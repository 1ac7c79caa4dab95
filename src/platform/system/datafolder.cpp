// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/datafolder.h"

#include "rules/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace rova::datafolder
{

namespace
{

QString absolute(const QString& path, const QString& from)
{
    return QDir::cleanPath(QDir(from).absoluteFilePath(path));
}

// What cannot be done with the folder and why, then what that means for the operator.
QString unusable(const QString& path, const QString& problem, const QString& why)
{
    return QStringLiteral(
               "データフォルダ %1 %2 (%3)。\n"
               "設定とご依頼主は保存されません。印刷の履歴も記録されません（これまでの履歴は見られます）。"
               "--data-dir で別のフォルダを指定できます。")
        .arg(path, problem, why);
}

// A file is really created and removed: permission bits alone do not tell (root, read-only mounts,
// immutable folders).
int probeWrite(const QString& path)
{
    QByteArray probe = QFile::encodeName(path + QStringLiteral("/.rova-probe-XXXXXX"));
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(probe.constData());
    return 0;
}

} // namespace

int makePrivatePath(const QString& path)
{
    QStringList missing;
    for (QString at = path; !QFileInfo::exists(at); at = QFileInfo(at).path()) {
        missing.prepend(at);
        if (QFileInfo(at).path() == at)
            break; // the root itself
    }
    for (const QString& folder : missing) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

Environment fromProcess()
{
    return {qEnvironmentVariable("ROVA_DATA_DIR"), qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath(),
            QDir::currentPath()};
}

QString folderName()
{
    return QStringLiteral("rova-yamato");
}

Choice choose(const QString& option, const Environment& env)
{
    if (!option.isEmpty())
        return {absolute(option, env.workingFolder), Source::Option};
    if (!env.dataDir.isEmpty())
        return {absolute(env.dataDir, env.workingFolder), Source::Environment};
    // Relative values of the variable are to be ignored, as if it were unset.
    const QString config = QDir::isAbsolutePath(env.xdgConfigHome)
                               ? env.xdgConfigHome
                               : QDir(env.home).filePath(QStringLiteral(".config"));
    return {QDir::cleanPath(QDir(config).filePath(folderName())), Source::Default};
}

QString prepare(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return unusable(path, QStringLiteral("に書き込めません"), QStringLiteral("フォルダではありません"));
    if (const int err = makePrivatePath(path))
        return unusable(path, QStringLiteral("を作成できません"), errtext::fromErrno(err));
    if (const int err = probeWrite(path))
        return unusable(path, QStringLiteral("に書き込めません"), errtext::fromErrno(err));
    return {};
}

} // namespace rova::datafolder
