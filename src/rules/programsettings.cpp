#include "rules/programsettings.h"

#include "rules/errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSettings>

namespace rova
{

namespace
{
const QString lastPdfFolderKey = QStringLiteral("pdf/lastFolder");

// A header can hold any character, a key of the file not: the key is the header's digest.
QString mappingKey(const QString& headerKey)
{
    return QStringLiteral("columnMappings/") +
           QString::fromLatin1(
               QCryptographicHash::hash(headerKey.toUtf8(), QCryptographicHash::Sha1).toHex());
}
} // namespace

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
    setValue(lastPdfFolderKey, folder);
}

std::optional<orders::ColumnMapping> ProgramSettings::columnMapping(const QString& headerKey) const
{
    const QString text = QSettings(m_path, QSettings::IniFormat).value(mappingKey(headerKey)).toString();
    return text.isEmpty() ? std::nullopt : orders::ColumnMapping::fromText(text);
}

void ProgramSettings::setColumnMapping(const QString& headerKey, const orders::ColumnMapping& mapping)
{
    setValue(mappingKey(headerKey), mapping.toText());
}

void ProgramSettings::setValue(const QString& key, const QString& value)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error(errtext::cannotWrite(m_path));
}

} // namespace rova
