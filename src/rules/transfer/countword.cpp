// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/countword.h"

#include "rules/text/cp932.h"

#include <cstring>
#include <vector>

namespace rova::transfer
{

int countWord(const QString& text, const QString& word)
{
    return WordCounter({word}).total(text);
}

namespace
{
// The first character at `at` as a number: a single byte as it is, a double-byte one as lead * 256 +
// trail, which never collides with a single byte.
quint16 characterCode(const char* data, qsizetype at, qsizetype size, qsizetype* length)
{
    const auto lead = static_cast<unsigned char>(data[at]);
    if (!cp932::isLeadByte(lead) || at + 1 >= size) {
        *length = 1;
        return lead;
    }
    *length = 2;
    return quint16(lead << 8 | static_cast<unsigned char>(data[at + 1]));
}
} // namespace

WordCounter::WordCounter(const QStringList& words) : m_groupOf(0x10000, 0), m_groups(1)
{
    for (const QString& word : words) {
        const QByteArray bytes = cp932::toBytes(word);
        if (bytes.isEmpty())
            continue;
        qsizetype length = 0;
        const quint16 code = characterCode(bytes.constData(), 0, bytes.size(), &length);
        if (m_groupOf[code] == 0) {
            m_groupOf[code] = quint16(m_groups.size());
            m_groups.append(QList<int>());
        }
        m_groups[m_groupOf[code]].append(int(m_words.size()));
        m_words.append(bytes);
    }
}

int WordCounter::total(const QString& text) const
{
    return total(cp932::toBytes(text));
}

int WordCounter::total(const QByteArray& bytes) const
{
    // Each word scans on its own from the end of its last match; since a match covers whole
    // characters, all words share the same character steps and one pass serves them all.
    std::vector<qsizetype> resumeAt(m_words.size(), 0);
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    int count = 0;
    for (qsizetype at = 0; at < size;) {
        qsizetype length = 0;
        const quint16 code = characterCode(data, at, size, &length);
        for (int w : m_groups.at(m_groupOf[code])) {
            const QByteArray& word = m_words.at(w);
            if (at >= resumeAt[w] && word.size() <= size - at &&
                std::memcmp(data + at, word.constData(), size_t(word.size())) == 0) {
                ++count;
                resumeAt[w] = at + word.size();
            }
        }
        at += length;
    }
    return count;
}

} // namespace rova::transfer
