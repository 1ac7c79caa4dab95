// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/datafiles.h"

#include "rules/files/assignmentfile.h"
#include "rules/files/programsettings.h"
#include "rules/files/senderbook.h"
#include "rules/files/settingsfile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace rova::datafiles
{

QStringList names()
{
    QStringList out{Settings::fileName(), slip::AssignmentFile::fileName(), ProgramSettings::fileName()};
    for (int slot = 0; slot < senderbook::kSlots; ++slot)
        out << senderbook::fileName(slot);
    return out;
}

bool isTemporaryOf(const QString& name, const QString& of)
{
    // The six characters mkstemp puts in place of "XXXXXX" are ASCII letters and digits.
    constexpr qsizetype kRandom = 6;
    if (name.size() != of.size() + 1 + kRandom || !name.startsWith(of) || name.at(of.size()) != u'.')
        return false;
    return std::all_of(name.cend() - kRandom, name.cend(),
                       [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); });
}

void removeLeftovers(const QString& folder, const QStringList& names)
{
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (std::none_of(names.cbegin(), names.cend(),
                         [&](const QString& n) { return isTemporaryOf(entry, n); }))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(entry));
        struct stat st {
        };
        // A link or a file of another user's is not one of ours, whatever its name.
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid())
            ::unlink(path.constData()); // one that cannot be removed does no harm where it is
    }
}

} // namespace rova::datafiles
