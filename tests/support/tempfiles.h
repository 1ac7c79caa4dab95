// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file helpers for tests that prepare and inspect files in a temporary folder.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace rova::test
{

inline void putFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The file's bytes; a null array when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace rova::test
