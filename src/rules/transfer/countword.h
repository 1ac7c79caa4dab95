// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counting words in text the way the recognisers do: on code page 932 bytes, case-sensitively,
// matches never overlapping and never starting inside a double-byte character.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace rova::transfer
{

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
    // Words grouped by their first character (its one or two bytes as a number): one table look-up
    // per character of the text finds the few words that can start there.
    std::vector<quint16> m_groupOf;
    QList<QList<int>> m_groups; // indices into m_words; group 0 stays empty
};

} // namespace rova::transfer
