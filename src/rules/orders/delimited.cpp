// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/delimited.h"

#include "rules/errors.h"
#include "rules/orders/ordertext.h"

namespace rova::orders
{

namespace
{
bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

class Parser
{
public:
    Parser(QStringView text, QChar separator, const QString& fileName)
        : m_text(text), m_sep(separator), m_fileName(fileName)
    {
    }

    // The next record, or false at the end of the text.
    bool next(Record& record)
    {
        if (m_pos >= m_text.size())
            return false;
        record.line = m_line;
        record.cells.clear();
        for (;;) {
            record.cells << field();
            if (m_pos >= m_text.size())
                return true;
            const QChar c = m_text[m_pos++];
            if (c == m_sep)
                continue;
            lineEnd(c);
            return true;
        }
    }

private:
    void lineEnd(QChar c)
    {
        if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
        ++m_line;
    }

    QString field()
    {
        if (m_pos < m_text.size() && m_text[m_pos] == u'"')
            return quoted();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != m_sep && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        return m_text.sliced(start, m_pos - start).toString();
    }

    QString quoted()
    {
        const int opened = m_line;
        QString out;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            const QChar c = m_text[m_pos];
            if (c != u'"') {
                out += c;
                if (isLineEnd(c) && !(c == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n'))
                    ++m_line;
                continue;
            }
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                out += c;
                ++m_pos;
                continue;
            }
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] != m_sep && !isLineEnd(m_text[m_pos]))
                throw Error(placeMessage(m_fileName, m_line,
                                         QStringLiteral("閉じた引用符 (\") の後に区切り文字がありません")));
            return out;
        }
        throw Error(placeMessage(m_fileName, opened, QStringLiteral("引用符 (\") が閉じられていません")));
    }

    QStringView m_text;
    QChar m_sep;
    const QString& m_fileName;
    qsizetype m_pos = 0;
    int m_line = 1;
};

bool isBlank(const Record& r)
{
    return r.cells.size() == 1 && r.cells.front().trimmed().isEmpty();
}

// Cells of the header row read with `separator`, by the parser's own quoting rule; 0 when it does
// not read.
qsizetype headerCells(QStringView text, QChar separator)
{
    const QString noName;
    Parser parser(text, separator, noName);
    Record record;
    try {
        while (parser.next(record)) {
            if (!isBlank(record))
                return record.cells.size();
        }
    } catch (const Error&) {
    }
    return 0;
}

// Tab when the header row splits into more cells at tabs than at commas; comma otherwise.
QChar detectSeparator(QStringView text)
{
    return headerCells(text, u'\t') > headerCells(text, u',') ? u'\t' : u',';
}

QString quotedIfNeeded(const QString& cell, QChar separator)
{
    const bool needs =
        cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r');
    if (!needs)
        return cell;
    QString doubled = cell;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}
} // namespace

Table parseDelimited(const QString& text, const QString& fileName)
{
    Table table;
    table.separator = detectSeparator(text);
    Parser parser(text, table.separator, fileName);
    Record record;
    bool haveHeader = false;
    while (parser.next(record)) {
        if (isBlank(record))
            continue;
        if (haveHeader) {
            table.rows << record;
            continue;
        }
        for (QString& cell : record.cells)
            cell = cell.trimmed();
        table.header = record;
        haveHeader = true;
    }
    return table;
}

QString writeDelimited(const QList<QStringList>& records, QChar separator)
{
    QString out;
    for (const QStringList& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (i > 0)
                out += separator;
            out += quotedIfNeeded(record[i], separator);
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

} // namespace rova::orders
