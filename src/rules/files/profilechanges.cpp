// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"
#include "rules/files/profile.h"
#include "rules/files/profilescan.h"
#include "rules/text/cp932.h"

#include <algorithm>

namespace rova
{

namespace
{
using profilescan::sameName;
using profilescan::trimmed;

// Pieces of a file taken apart where it changes: the changes are recorded in order of position.
class Splicer
{
public:
    explicit Splicer(const QByteArray& file) : m_file(file) {}

    void replace(qsizetype from, qsizetype to, QByteArray text)
    {
        m_splices.append({from, to, std::move(text)});
    }
    void append(QByteArray text) { m_appended += text; }

    // Parts point into the file and into this object.
    QList<QByteArrayView> parts()
    {
        std::stable_sort(m_splices.begin(), m_splices.end(),
                         [](const Splice& a, const Splice& b) { return a.from < b.from; });
        QList<QByteArrayView> out;
        qsizetype pos = 0;
        for (const Splice& s : std::as_const(m_splices)) {
            out << QByteArrayView(m_file).sliced(pos, s.from - pos) << s.text;
            pos = s.to;
        }
        out << QByteArrayView(m_file).sliced(pos);
        if (!m_appended.isEmpty()) {
            if (!endsWithLineEnd(out))
                m_appended.prepend("\r\n");
            out << m_appended;
        }
        return out;
    }

private:
    struct Splice {
        qsizetype from;
        qsizetype to;
        QByteArray text;
    };
    static bool endsWithLineEnd(const QList<QByteArrayView>& parts)
    {
        for (auto p = parts.crbegin(); p != parts.crend(); ++p) {
            if (!p->isEmpty())
                return p->endsWith('\n');
        }
        return true; // an empty file
    }

    const QByteArray& m_file;
    QList<Splice> m_splices;
    QByteArray m_appended;
};

// Encodes the names and the value, or raises the error that names what cannot be stored.
ProfileChanges::Entry encoded(const QString& section, const QString& key, const QString& value,
                              bool onlyIfMissing)
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
            cp932::toBytes(value), onlyIfMissing};
}

// Records the changes of one section's keys: values replaced in place, new keys after the section's
// last line, or a new section at the end of the file.
void changeSection(const QByteArray& old, const QByteArray& section, const QList<ProfileChanges::Entry>& all,
                   Splicer& splicer)
{
    QList<const ProfileChanges::Entry*> entries;
    QList<QByteArray> keys;
    for (const ProfileChanges::Entry& e : all) {
        if (sameName(e.section, section)) {
            entries << &e;
            keys << e.key;
        }
    }
    const profilescan::SectionPlace place = profilescan::locate(old, section, keys);
    QByteArray added;
    bool needsBreak = place.insertNeedsBreak;
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const ProfileChanges::Entry& e = *entries[k];
        const profilescan::KeyPlace& at = place.keys[k];
        if (!at.found) {
            added += e.key + '=' + e.value + "\r\n";
        } else if (!e.onlyIfMissing &&
                   QByteArrayView(old).sliced(at.valueStart, at.valueEnd - at.valueStart) != e.value) {
            splicer.replace(at.valueStart, at.lineNext, e.value + "\r\n");
            if (at.lineNext == place.insertAt)
                needsBreak = false; // the rewritten last line now ends with its line end
        }
    }
    if (added.isEmpty())
        return;
    if (place.found)
        splicer.replace(place.insertAt, place.insertAt, (needsBreak ? "\r\n" : "") + added);
    else
        splicer.append('[' + section + "]\r\n" + added);
}
} // namespace

void ProfileChanges::set(const QString& section, const QString& key, const QString& value)
{
    add(encoded(section, key, value, false));
}

void ProfileChanges::set(const QString& section, const QString& key, int value)
{
    set(section, key, QString::number(value));
}

void ProfileChanges::setIfMissing(const QString& section, const QString& key, const QString& value)
{
    add(encoded(section, key, value, true));
}

void ProfileChanges::setIfMissing(const QString& section, const QString& key, int value)
{
    setIfMissing(section, key, QString::number(value));
}

void ProfileChanges::add(Entry entry)
{
    // As the same changes made one by one would: the key stays where it was first added.
    for (Entry& earlier : m_entries) {
        if (sameName(earlier.section, entry.section) && sameName(earlier.key, entry.key)) {
            earlier.value = std::move(entry.value);
            earlier.onlyIfMissing = entry.onlyIfMissing;
            return;
        }
    }
    m_entries.append(std::move(entry));
}

void ProfileChanges::applyTo(const QByteArray& file,
                             const std::function<void(const QList<QByteArrayView>&)>& write) const
{
    Splicer splicer(file);
    // One pass over the file per section, in the order the sections were first changed.
    QList<QByteArray> sections;
    for (const Entry& e : m_entries) {
        if (std::none_of(sections.cbegin(), sections.cend(),
                         [&e](const QByteArray& s) { return sameName(s, e.section); }))
            sections << e.section;
    }
    for (const QByteArray& section : std::as_const(sections))
        changeSection(file, section, m_entries, splicer);
    write(splicer.parts());
}

} // namespace rova
