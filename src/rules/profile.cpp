#include "rules/profile.h"

#include "rules/cp932.h"
#include "rules/errors.h"
#include "rules/fileio.h"
#include "rules/strtoint.h"

#include <QByteArrayView>
#include <QFileInfo>

namespace rova
{

namespace
{
// The file is handled as code page 932 bytes, so that a double-byte character whose trail byte
// looks like '[', '\' or ']' is never taken for one, and every untouched line keeps its bytes.

constexpr qsizetype kMaxValueBytes = 2047;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

// Offset of the first and of the last single-byte `ch`, or -1.
std::pair<qsizetype, qsizetype> findSingleByte(QByteArrayView v, char ch)
{
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < v.size(); i += cp932::charLength(v, i)) {
        if (v[i] == ch) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// ASCII letters match in either case; double-byte characters only byte for byte.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size();) {
        const qsizetype n = cp932::charLength(a, i);
        if (n == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
        i += n;
    }
    return true;
}

// Where a key is, or where it would go.
struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    qsizetype valueStart = 0;      // key found: just after its '='
    qsizetype lineNext = 0;        // key found: start of the following line
    QByteArrayView value;          // key found: trimmed value
    qsizetype insertAt = 0;        // section found: after its last non-blank line
    bool insertNeedsBreak = false; // that line is the file's last and has no line end
};

Location locate(const QByteArray& file, QByteArrayView section, QByteArrayView key)
{
    Location loc;
    if (section.isEmpty())
        return loc; // "[]" names no section that can be asked for
    bool inSection = false;
    for (qsizetype pos = 0; pos < file.size();) {
        // '\n' is below every trail byte, so a plain search finds the true line ends.
        const qsizetype lf = file.indexOf('\n', pos);
        const qsizetype end = lf < 0 ? file.size() : lf;
        const qsizetype next = lf < 0 ? file.size() : lf + 1;
        const QByteArrayView line = QByteArrayView(file).sliced(pos, end - pos);
        const QByteArrayView content = trimmed(line);
        const qsizetype lineStart = pos;
        pos = next;

        if (content.startsWith('[')) {
            const qsizetype close = findSingleByte(content, ']').second;
            if (close > 0) {
                if (inSection)
                    break; // the first section of that name is the only one looked at
                inSection = sameName(trimmed(content.sliced(1, close - 1)), section);
                if (inSection) {
                    loc.sectionFound = true;
                    loc.insertAt = next;
                    loc.insertNeedsBreak = lf < 0;
                }
                continue;
            }
        }
        if (!inSection || content.isEmpty())
            continue;
        loc.insertAt = next;
        loc.insertNeedsBreak = lf < 0;
        const qsizetype eq = findSingleByte(line, '=').first;
        if (eq >= 0 && sameName(trimmed(line.first(eq)), key)) {
            loc.keyFound = true; // the first of duplicated keys wins
            loc.valueStart = lineStart + eq + 1;
            loc.lineNext = next;
            loc.value = trimmed(line.sliced(eq + 1));
            break;
        }
    }
    return loc;
}

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

// Encodes the names and the value, or raises the error that names what cannot be stored.
struct EncodedEntry {
    QByteArray section;
    QByteArray key;
    QByteArray value;
};

EncodedEntry encodeEntry(const QString& section, const QString& key, const QString& value)
{
    for (const QString* text : {&section, &key, &value}) {
        if (text->contains(u'\n') || text->contains(u'\r'))
            throw Error(QStringLiteral("改行を含む値は保存できません: [%1] %2").arg(section, key));
    }
    const QString unencodable = cp932::encode(section + key + value).unencodable;
    if (!unencodable.isEmpty())
        throw UnencodableError(unencodable);
    // Names lose only the blanks a reader ignores; U+3000 is part of a name.
    return {trimmed(cp932::toBytes(section)).toByteArray(), trimmed(cp932::toBytes(key)).toByteArray(),
            cp932::toBytes(value)};
}

QByteArray withEntry(const QByteArray& file, const EncodedEntry& e)
{
    const QByteArray line = e.key + '=' + e.value + "\r\n";
    const Location loc = locate(file, e.section, e.key);
    if (loc.keyFound)
        return file.first(loc.valueStart) + e.value + "\r\n" + file.sliced(loc.lineNext);
    if (loc.sectionFound) {
        const QByteArray head = file.first(loc.insertAt) + (loc.insertNeedsBreak ? "\r\n" : "");
        return head + line + file.sliced(loc.insertAt);
    }
    const bool needsBreak = !file.isEmpty() && !file.endsWith('\n');
    return file + (needsBreak ? "\r\n" : "") + '[' + e.section + "]\r\n" + line;
}
} // namespace

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

const QString& ProfileFile::path() const
{
    return m_path;
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    const cp932::Encoded s = cp932::encode(section);
    const cp932::Encoded k = cp932::encode(key);
    if (!s.ok() || !k.ok())
        return fallbackValue(fallback); // no name in a code page 932 file can match
    QByteArray file;
    try {
        file = fileio::readAll(m_path);
    } catch (const Error&) {
        return fallbackValue(fallback); // a missing or unreadable file holds no keys
    }
    const Location loc = locate(file, trimmed(s.bytes), trimmed(k.bytes));
    return loc.keyFound ? storedValue(loc.value) : fallbackValue(fallback);
}

int ProfileFile::readInt(const QString& section, const QString& key, int fallback) const
{
    return strToIntDef(readString(section, key, QString()), fallback);
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const EncodedEntry entry = encodeEntry(section, key, value);
    const QString fullPath = QFileInfo(m_path).absoluteFilePath();
    try {
        const QByteArray old = QFileInfo::exists(m_path) ? fileio::readAll(m_path) : QByteArray();
        fileio::writeAtomically(m_path, withEntry(old, entry));
    } catch (const Error&) {
        throw Error(errtext::cannotWrite(fullPath));
    }
}

void ProfileFile::writeInt(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

} // namespace rova
