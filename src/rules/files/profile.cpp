// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/profile.h"

#include "rules/errors.h"
#include "rules/files/fileio.h"
#include "rules/files/profilescan.h"
#include "rules/text/cp932.h"
#include "rules/text/strtoint.h"

#include <QFileInfo>

#include <optional>

namespace rova
{

namespace
{
using profilescan::sameName;
using profilescan::trimmed;

constexpr qsizetype kMaxValueBytes = 2047;

QByteArrayView firstBytes(QByteArrayView v, qsizetype max)
{
    qsizetype i = 0;
    while (i < v.size() && i + cp932::charLength(v, i) <= max)
        i += cp932::charLength(v, i);
    return v.first(i);
}

template <typename Text> bool isQuoted(const Text& v)
{
    return v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'');
}

QString storedValue(QByteArrayView v)
{
    qsizetype max = kMaxValueBytes;
    if (isQuoted(v)) {
        v = v.sliced(1, v.size() - 2);
        --max; // the opening quote takes a byte of the reading buffer
    }
    return cp932::decode(firstBytes(v, max).toByteArray());
}

// A default is handed back the way a stored value would be: trailing blanks and quotes dropped.
QString fallbackValue(QString text)
{
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    if (isQuoted(text))
        text = text.sliced(1, text.size() - 2);
    return text;
}

// Names in the file's bytes, or nothing when code page 932 cannot hold them (no name in the file
// can match then).
std::optional<QByteArray> nameBytes(const QString& name)
{
    const cp932::Encoded e = cp932::encode(name);
    if (!e.ok())
        return std::nullopt;
    return trimmed(e.bytes).toByteArray();
}

// A missing file reads as an empty one.
QByteArray contentOf(const QString& path)
{
    try {
        return fileio::readAll(path);
    } catch (const FileError& e) {
        if (e.isNotFound())
            return {};
        throw;
    }
}

} // namespace

QString ProfileSection::readString(const QString& key, const QString& fallback) const
{
    Q_ASSERT_X(m_keys.contains(key), "ProfileSection::readString", "key not read");
    const auto found = m_values.constFind(key);
    return found != m_values.cend() ? *found : fallbackValue(fallback);
}

int ProfileSection::readInt(const QString& key, int fallback) const
{
    return strToIntDef(readString(key, QString()), fallback);
}

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

const QString& ProfileFile::path() const
{
    return m_path;
}

ProfileSection ProfileFile::readSection(const QString& section, const QStringList& keys) const
{
    ProfileSection result;
    result.m_keys = keys;
    const std::optional<QByteArray> s = nameBytes(section);
    QList<QByteArray> wanted;
    for (const QString& key : keys)
        wanted << nameBytes(key).value_or(QByteArray());
    if (!s)
        return result;
    const QByteArray file = contentOf(m_path);
    const profilescan::SectionPlace place = profilescan::locate(file, *s, wanted);
    for (qsizetype k = 0; k < keys.size(); ++k) {
        if (place.keys[k].found && nameBytes(keys[k]))
            result.m_values.insert(keys[k], storedValue(place.keys[k].value));
    }
    return result;
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    try {
        return readSection(section, {key}).readString(key, fallback);
    } catch (const Error&) {
        return fallbackValue(fallback); // an unreadable file holds no keys
    }
}

int ProfileFile::readInt(const QString& section, const QString& key, int fallback) const
{
    return strToIntDef(readString(section, key, QString()), fallback);
}

void ProfileFile::write(const ProfileChanges& changes)
{
    try {
        changes.applyTo(contentOf(m_path), [this](const QList<QByteArrayView>& parts) {
            fileio::writeAtomically(m_path, parts);
        });
    } catch (const FileError& e) {
        throw Error(errtext::cannotWrite(QFileInfo(m_path).absoluteFilePath()) + QLatin1Char('\n') +
                    e.reason());
    }
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value)
{
    ProfileChanges changes;
    changes.set(section, key, value);
    write(changes);
}

void ProfileFile::writeInt(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

} // namespace rova
