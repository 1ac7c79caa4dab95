#include "rules/programsettings.h"

#include "rules/errors.h"

#include <QDir>
#include <QSettings>

namespace rova
{

namespace
{
const QString lastPdfFolderKey = QStringLiteral("pdf/lastFolder");
}

ProgramSettings::ProgramSettings(const QString& dataFolder) : m_path(QDir(dataFolder).filePath(fileName())) {}

QString ProgramSettings::fileName()
{
    return QStringLiteral("rova-yamato.conf");
}

QString ProgramSettings::lastPdfFolder() const
{
    return QSettings(m_path, QSettings::IniFormat).value(lastPdfFolderKey).toString();
}

void ProgramSettings::setLastPdfFolder(const QString& folder)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(lastPdfFolderKey, folder);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error(errtext::cannotWrite(m_path));
}

} // namespace rova
