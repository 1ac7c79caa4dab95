// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/programsettings.h"

#include "rules/errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>
#include <utility>

namespace rova
{

namespace
{
QString lastFolderKey(FileKind kind)
{
    switch (kind) {
    case FileKind::Import:
        return QStringLiteral("folders/import");
    case FileKind::Export:
        return QStringLiteral("folders/export");
    case FileKind::HistoryCsv:
        return QStringLiteral("folders/historyCsv");
    case FileKind::FormScan:
        return QStringLiteral("folders/formScan");
    case FileKind::Pdf:
        // Where earlier versions kept it.
        return QStringLiteral("pdf/lastFolder");
    case FileKind::Notices:
        return QStringLiteral("folders/notices");
    }
    return QString();
}
const QString databaseKey = QStringLiteral("ROVA_DATABASE");
const QString stationKey = QStringLiteral("station/name");

// A header can hold any character, a key of the file not: the key is the header's digest.
QString mappingKey(const QString& headerKey)
{
    return QStringLiteral("columnMappings/") +
           QString::fromLatin1(
               QCryptographicHash::hash(headerKey.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString scanGroup(const QString& slipType)
{
    return QStringLiteral("formScans/") + slipType;
}

// Every key with its value as text.
QMap<QString, QString> contents(const QSettings& settings)
{
    QMap<QString, QString> out;
    for (const QString& key : settings.allKeys())
        out.insert(key, settings.value(key).toString());
    return out;
}

// The file as it lies on disk: a write replaces it with a new file (a new inode).
std::pair<ino_t, qint64> fileStamp(const QString& path)
{
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {0, -1};
    return {st.st_ino, qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}
} // namespace

ProgramSettings::ProgramSettings(const QString& dataFolder)
    : m_path(QDir(dataFolder).filePath(fileName())), m_dataFolder(dataFolder)
{
}

QString ProgramSettings::fileName()
{
    return QStringLiteral("rova-yamato.conf");
}

QString ProgramSettings::lastFolder(FileKind kind) const
{
    return QSettings(m_path, QSettings::IniFormat).value(lastFolderKey(kind)).toString();
}

void ProgramSettings::setLastFolder(FileKind kind, const QString& folder)
{
    setValue(lastFolderKey(kind), folder);
}

QString ProgramSettings::startFolder(FileKind kind) const
{
    const QFileInfo last(lastFolder(kind));
    if (!last.filePath().isEmpty() && last.isDir() &&
        last.canonicalFilePath() != QFileInfo(m_dataFolder).canonicalFilePath())
        return last.filePath();
    return defaultFolder();
}

QString ProgramSettings::defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ProgramSettings::database() const
{
    return QSettings(m_path, QSettings::IniFormat).value(databaseKey).toString();
}

void ProgramSettings::setDatabase(const QString& uri)
{
    change([&](QSettings& settings) {
        if (uri.isEmpty())
            settings.remove(databaseKey);
        else
            settings.setValue(databaseKey, uri);
    });
}

QString ProgramSettings::station() const
{
    return QSettings(m_path, QSettings::IniFormat).value(stationKey).toString();
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

slip::FormScan ProgramSettings::formScan(const QString& slipType) const
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(scanGroup(slipType));
    slip::FormScan scan;
    scan.path = settings.value(QStringLiteral("path")).toString();
    const int dpi = settings.value(QStringLiteral("dpi")).toInt();
    if (dpi >= slip::FormScan::kMinDpi && dpi <= slip::FormScan::kMaxDpi)
        scan.dpi = dpi;
    scan.offset = QPoint(settings.value(QStringLiteral("offsetX")).toInt(),
                         settings.value(QStringLiteral("offsetY")).toInt());
    return scan;
}

void ProgramSettings::setFormScan(const QString& slipType, const slip::FormScan& scan)
{
    change([&](QSettings& settings) {
        settings.beginGroup(scanGroup(slipType));
        settings.setValue(QStringLiteral("path"), scan.path);
        settings.setValue(QStringLiteral("dpi"), scan.dpi);
        // Tenths of a millimetre.
        settings.setValue(QStringLiteral("offsetX"), scan.offset.x());
        settings.setValue(QStringLiteral("offsetY"), scan.offset.y());
    });
}

void ProgramSettings::removeFormScan(const QString& slipType)
{
    change([&](QSettings& settings) { settings.remove(scanGroup(slipType)); });
}

orders::NoticeSettings ProgramSettings::noticeSettings() const
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("notices"));
    const auto value = [&](const char* key, const QString& fallback) {
        return settings.value(QLatin1String(key), fallback).toString();
    };
    // The defaults: the values best documented for this carrier (the README names them).
    return {value("amazonCarrierCode", QStringLiteral("Yamato Transport")),
            value("amazonCarrierName", QStringLiteral("ヤマト運輸")),
            value("amazonShipMethod", QStringLiteral("宅急便")),
            value("yahooShipCompanyCode", QStringLiteral("1001")),
            value("yahooShipStatus", QStringLiteral("3"))};
}

void ProgramSettings::setValue(const QString& key, const QString& value)
{
    change([&](QSettings& settings) { settings.setValue(key, value); });
}

void ProgramSettings::change(const std::function<void(QSettings&)>& edit)
{
    QSettings settings(m_path, QSettings::IniFormat);
    const QMap<QString, QString> before = contents(settings);
    const auto stamp = fileStamp(m_path);
    edit(settings);
    const bool changed = contents(settings) != before;
    settings.sync();
    // A damaged part of the old file leaves a format error standing, and a failed write adds nothing
    // to it: the write is judged by whether the file was replaced.
    if (settings.status() != QSettings::NoError && changed && fileStamp(m_path) == stamp)
        throw Error(errtext::cannotWrite(m_path));
}

} // namespace rova
