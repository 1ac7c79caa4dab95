#include "countword.h"

#include "platform/cp932.h"

#include <cstring>
#include <vector>

namespace rova::transfer {

int countWord(const QString& text, const QString& word)
{
    return WordCounter({word}).total(text);
}

WordCounter::WordCounter(const QStringList& words)
{
    for (const QString& word : words) {
        const QByteArray bytes = cp932::toBytes(word);
        if (bytes.isEmpty())
            continue;
        m_byFirstByte[static_cast<unsigned char>(bytes.at(0))].append(int(m_words.size()));
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
        const auto first = static_cast<unsigned char>(data[at]);
        for (int w : m_byFirstByte[first]) {
            const QByteArray& word = m_words.at(w);
            if (at >= resumeAt[w] && word.size() <= size - at &&
                std::memcmp(data + at, word.constData(), size_t(word.size())) == 0) {
                ++count;
                resumeAt[w] = at + word.size();
            }
        }
        at += cp932::isLeadByte(first) ? 2 : 1;
    }
    return count;
}

} // namespace rova::transfer
