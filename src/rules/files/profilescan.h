// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where sections and keys are in the bytes of a profile file, found in one pass over the file.
// The file is handled as code page 932 bytes, so that a double-byte character whose trail byte
// looks like '[', '\', ']' or '=' is never taken for one, and every untouched line keeps its bytes.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace rova::profilescan
{

QByteArrayView trimmed(QByteArrayView v);
// ASCII letters match in either case; double-byte characters only byte for byte.
bool sameName(QByteArrayView a, QByteArrayView b);

struct KeyPlace {
    bool found = false;
    qsizetype valueStart = 0; // just after the key's '='
    qsizetype valueEnd = 0;   // before the line's end (its CR LF, LF or the end of the file)
    qsizetype lineNext = 0;   // start of the following line
    QByteArrayView value;     // trimmed value
};

struct SectionPlace {
    bool found = false;
    qsizetype insertAt = 0;        // found: after its last non-blank line
    bool insertNeedsBreak = false; // that line is the file's last and has no line end
    QList<KeyPlace> keys;          // one per key asked for, in the same order
};

// The first section of the name and, in it, the first line of each key. Names are trimmed.
SectionPlace locate(QByteArrayView file, QByteArrayView section, const QList<QByteArray>& keys);

} // namespace rova::profilescan
