#pragma once
// Whole-file reads and writes for the small files the program keeps in its working folder.

#include <QByteArray>
#include <QString>

namespace rova::fileio
{

// Reads the whole file; raises rova::Error ("File not found", "File access denied", ...) on failure.
QByteArray readAll(const QString& path);

// Replaces the file so that either the old or the new content is on disk, never a torn one:
// a temporary file in the same folder is written, flushed and renamed over the target.
// A symbolic link is written through to the file it names and stays a link. An existing file that
// may not be written is left alone ("File access denied"), however the folder is set.
// Raises rova::Error with the system's message for the failure.
void writeAtomically(const QString& path, const QByteArray& bytes);

} // namespace rova::fileio
