// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads and writes for the small files the program keeps in its working folder.
// Every failure raises rova::FileError: what happened ("File not found", "File access denied",
// "Disk full" or the system's own words) and the file's full path.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

namespace rova::fileio
{

// The most a file read whole may hold; a larger one is refused rather than filling the memory.
constexpr qsizetype kMaxFileBytes = qsizetype(128) << 20;

// Reads the whole file; one larger than `maxBytes`, or not a plain file, is refused.
QByteArray readAll(const QString& path, qsizetype maxBytes = kMaxFileBytes);

// Reads the file only up to the end of its `lines`-th line (the whole file when it has fewer).
// Refused ("行が長すぎるため読み込めません") when those lines hold more than `maxBytes`.
QByteArray readLines(const QString& path, int lines, qsizetype maxBytes);

// Replaces the file so that either the old or the new content is on disk, never a torn one:
// a temporary file "NAME.XXXXXX" in the same folder is written, flushed and renamed over the target.
// A symbolic link is written through to the file it names and stays a link. An existing file that
// may not be written is left alone ("File access denied"), however the folder is set.
void writeAtomically(const QString& path, const QByteArray& bytes);
// The same with the content given in parts, written one after the other.
void writeAtomically(const QString& path, const QList<QByteArrayView>& parts);

// ---- test hook ----
// Runs after the temporary file is complete and before it replaces the target; an exception it
// raises fails the write there. An empty function removes the hook.
void setBeforeReplaceHook(std::function<void()> hook);

} // namespace rova::fileio
