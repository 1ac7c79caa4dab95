// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profile (INI-style) files in code page 932: keys read from one read of the file, changes to many
// keys written in one replacement of it.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace rova
{

// Changes to keys of one profile file, to be written together.
class ProfileChanges
{
public:
    // The key gets `value`: its line is changed in place, or the key is added to its section, or the
    // section to the file. A later change of the same key replaces an earlier one.
    // Raises rova::UnencodableError for text code page 932 cannot hold, and rova::Error for a name or
    // value holding a line break; the change is then not made.
    void set(const QString& section, const QString& key, const QString& value);
    void set(const QString& section, const QString& key, int value);
    // The key keeps whatever bytes the file holds for it; only a missing key is added with `value`.
    void setIfMissing(const QString& section, const QString& key, const QString& value);
    void setIfMissing(const QString& section, const QString& key, int value);

    // One change, in the file's bytes.
    struct Entry {
        QByteArray section; // code page 932, trimmed
        QByteArray key;     // code page 932, trimmed
        QByteArray value;
        bool onlyIfMissing;
    };
    // Hands `write` the file's bytes with the changes made, as parts to be written one after the
    // other (runs of `file` and the new lines); every other line is kept byte for byte.
    void applyTo(const QByteArray& file,
                 const std::function<void(const QList<QByteArrayView>&)>& write) const;

private:
    void add(Entry entry);
    QList<Entry> m_entries;
};

// Keys of one section as one read of the file found them.
class ProfileSection
{
public:
    // The value without blanks around it and without one pair of enclosing quotes, at most 2047
    // bytes; `fallback`, less trailing blanks and enclosing quotes, when the section or key is missing.
    // Only keys the section was read for can be asked for.
    QString readString(const QString& key, const QString& fallback) const;
    // Decimal, or hexadecimal after "$" or "0x"/"0X"; any other text reads as `fallback`.
    int readInt(const QString& key, int fallback) const;

private:
    friend class ProfileFile;
    QStringList m_keys;
    QHash<QString, QString> m_values; // keys found
};

// Nothing is cached: every call opens, reads or replaces, and closes the file.
// Section and key names match without regard to ASCII letter case and to blanks around them.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);
    const QString& path() const;

    // The keys of one section in one read of the file. A missing file reads as an empty one; a file
    // that exists but cannot be read (or is too large to be) raises rova::FileError naming it.
    ProfileSection readSection(const QString& section, const QStringList& keys) const;

    // One key; a missing or unreadable file reads as `fallback`.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    int readInt(const QString& section, const QString& key, int fallback) const;

    // Replaces the file once, atomically, with all the changes made; every other line is kept byte
    // for byte. Raises rova::Error "%s に書き込めません" with what happened on the next line when it
    // cannot; nothing is written then.
    void write(const ProfileChanges& changes);
    // One key; the errors of ProfileChanges::set and write.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);

private:
    QString m_path;
};

} // namespace rova
