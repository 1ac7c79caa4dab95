// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A damaged database moved out of the way, never deleted: the operator or a helper may still get
// something out of it, and the program starts a new list beside it.

#include <QDate>
#include <QString>

namespace rova::store
{

// The free name the damaged database of `folder` gets on `day`:
// "rova-yamato-damaged-20261209.sqlite3", then "…-20261209-2.sqlite3" and on when that is taken.
QString asidePath(const QString& folder, const QDate& day);

// Renames the database (and the log files SQLite keeps beside it) to asidePath() and returns that
// path. Raises FileError naming the file when it cannot be renamed.
QString setAside(const QString& folder, const QDate& day);

} // namespace rova::store
