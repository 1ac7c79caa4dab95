#pragma once
// Counting words in text the way the recognisers do: on code page 932 bytes, case-sensitively,
// matches never overlapping and never starting inside a double-byte character.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace rova::transfer {

// Number of occurrences of `word` in `text`; an empty text or word counts 0.
int countWord(const QString& text, const QString& word);

// The sum of countWord over a fixed list of words, in one pass over the text.
class WordCounter
{
public:
    explicit WordCounter(const QStringList& words);
    int total(const QString& text) const;
    int total(const QByteArray& bytes) const;

private:
    QList<QByteArray> m_words;
    std::array<QList<int>, 256> m_byFirstByte; // indices into m_words
};

} // namespace rova::transfer
