#pragma once
// Profile (INI-style) files in code page 932, read and written one key at a time.

#include <QString>

namespace rova
{

// Nothing is cached: every call opens, reads or replaces, and closes the file.
// Section and key names match without regard to ASCII letter case and to blanks around them.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);
    const QString& path() const;

    // The value without blanks around it and without one pair of enclosing quotes, at most 2047
    // bytes; `fallback`, less trailing blanks and enclosing quotes, when the file, section or key
    // is missing or the file cannot be read.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal, or hexadecimal after "$" or "0x"/"0X"; any other text reads as `fallback`.
    int readInt(const QString& section, const QString& key, int fallback) const;

    // Replaces the key's line in place, or appends the key to its section, or the section to the
    // file; every other line is kept byte for byte and the file is replaced atomically.
    // Raises rova::UnencodableError (nothing written) for text code page 932 cannot hold, and
    // rova::Error for a name or value holding a line break (nothing written), and
    // rova::Error "%s に書き込めません" when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);

private:
    QString m_path;
};

} // namespace rova
