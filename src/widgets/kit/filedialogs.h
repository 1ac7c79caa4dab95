// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File dialogs that open in the folder last used for their kind of file, kept in the data folder's
// settings file, and remember the folder of the file picked.

#include "rules/files/programsettings.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace rova
{

class FileDialogs
{
public:
    FileDialogs(QWidget* parent, const ProgramSettings& settings, FileKind kind);

    // Empty (none) when the operator cancelled.
    QString openFile(const QString& caption, const QString& filter);
    QStringList openFiles(const QString& caption, const QString& filter);
    // `fileName` is proposed in the kind's folder.
    QString saveFile(const QString& caption, const QString& fileName, const QString& filter);
    // A folder itself, the kind's folder; empty when cancelled.
    QString folder(const QString& caption);

    // Where the kind's dialog opens.
    QString startFolder() const;
    // Keeps `folder` as the kind's, as when it is picked in the dialog; the operator may have typed it.
    void rememberFolder(const QString& folder);

private:
    void remember(const QString& path);

    QWidget* m_parent;
    ProgramSettings m_settings;
    FileKind m_kind;
};

} // namespace rova
