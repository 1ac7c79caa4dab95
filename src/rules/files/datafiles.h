// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/files: the program's files (profiles, settings, senders, printer assignments) and whole-file I/O.
//
// The files the program keeps in its data folder, and the clean-up of what interrupted writes left.

#include <QString>
#include <QStringList>

namespace rova::datafiles
{

// The names of the files kept in the data folder.
QStringList names();

// True for the name of a temporary file that replacing the file `of` makes: "NAME.XXXXXX".
bool isTemporaryOf(const QString& name, const QString& of);

// Removes the temporary files of the given files that a write stopped before its end left in the
// folder (a killed program, a power loss). Only plain files of this user's with exactly that name
// pattern go; nothing else is touched. To be called only by the copy that holds the folder's lock,
// so that no write of another copy is under way.
void removeLeftovers(const QString& folder, const QStringList& names);

} // namespace rova::datafiles
