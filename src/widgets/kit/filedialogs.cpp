// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/filedialogs.h"

#include "rules/errors.h"
#include "widgets/kit/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace rova
{

FileDialogs::FileDialogs(QWidget* parent, const ProgramSettings& settings, FileKind kind)
    : m_parent(parent), m_settings(settings), m_kind(kind)
{
}

QString FileDialogs::openFile(const QString& caption, const QString& filter)
{
    const QString path = Dialogs::openFileName(m_parent, caption, m_settings.startFolder(m_kind), filter);
    remember(path);
    return path;
}

QStringList FileDialogs::openFiles(const QString& caption, const QString& filter)
{
    const QStringList paths =
        Dialogs::openFileNames(m_parent, caption, m_settings.startFolder(m_kind), filter);
    if (!paths.isEmpty())
        remember(paths.first());
    return paths;
}

QString FileDialogs::saveFile(const QString& caption, const QString& fileName, const QString& filter)
{
    const QString path = Dialogs::saveFileName(
        m_parent, caption, QDir(m_settings.startFolder(m_kind)).filePath(fileName), filter);
    remember(path);
    return path;
}

QString FileDialogs::folder(const QString& caption)
{
    const QString folder = Dialogs::folderName(m_parent, caption, m_settings.startFolder(m_kind));
    rememberFolder(folder);
    return folder;
}

QString FileDialogs::startFolder() const
{
    return m_settings.startFolder(m_kind);
}

void FileDialogs::remember(const QString& path)
{
    if (!path.isEmpty())
        rememberFolder(QFileInfo(path).absolutePath());
}

void FileDialogs::rememberFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    try {
        m_settings.setLastFolder(m_kind, QFileInfo(folder).absoluteFilePath());
    } catch (const Error&) {
        // A data folder that cannot be written is said at start; the file picked is what counts.
    }
}

} // namespace rova
