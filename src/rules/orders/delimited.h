// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma- or tab-separated records with the quoting of RFC 4180: quoted fields may hold the
// separator, line breaks and doubled quotes. The separator is the one the header row uses.

#include <QList>
#include <QString>
#include <QStringList>

namespace rova::orders
{

struct Record {
    int line = 0; // where the record starts in the file, from 1
    QStringList cells;
};

struct Table {
    QChar separator = u',';
    Record header; // the first record that is not blank, cells trimmed
    QList<Record> rows;
};

// Blank lines are skipped. Raises rova::Error naming `fileName` and the line of a quoted field that
// never closes or of a closing quote followed by anything but a separator or a line end.
Table parseDelimited(const QString& text, const QString& fileName);

// One record per line, CR LF after each, fields quoted only where they have to be.
QString writeDelimited(const QList<QStringList>& records, QChar separator);

} // namespace rova::orders
