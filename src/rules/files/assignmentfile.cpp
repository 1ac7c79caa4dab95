// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/assignmentfile.h"

#include "rules/files/profile.h"
#include "rules/text/cp932.h"

#include <QDir>

namespace rova::slip
{
namespace
{
const QString kName = QStringLiteral("PrnName");
const QString kIndex = QStringLiteral("PrnNoIndex");
const QString kTop = QStringLiteral("rovPrn_Top");
const QString kLeft = QStringLiteral("rovPrn_Left");
const QString kZero = QStringLiteral("0");
} // namespace

// Queue names may hold any character, the file only code page 932: a character it cannot hold
// becomes "?" instead of keeping the whole assignment from being stored, and names are compared in
// this form.
QString AssignmentFile::storedName(const QString& name)
{
    const QString unencodable = rova::cp932::encode(name).unencodable;
    if (unencodable.isEmpty())
        return name;
    QString readable;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype n = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QStringView ch = QStringView(name).sliced(i, n);
        readable += unencodable.contains(ch) ? QStringView(u"?") : ch;
        i += n;
    }
    return readable;
}

AssignmentFile::AssignmentFile(const QString& folder) : m_path(QDir(folder).filePath(fileName())) {}

QString AssignmentFile::fileName()
{
    return QStringLiteral("rova_a500.ini");
}

PrintSettings AssignmentFile::load(const QString& slipType) const
{
    const ProfileFile file(m_path);
    PrintSettings settings;
    settings.printerName = file.readString(slipType, kName, QString()).trimmed();
    settings.printerIndex = file.readString(slipType, kIndex, kZero);
    settings.top = file.readString(slipType, kTop, kZero);
    settings.left = file.readString(slipType, kLeft, kZero);
    return settings;
}

void AssignmentFile::store(const QString& slipType, const PrintSettings& settings) const
{
    ProfileChanges changes;
    changes.set(slipType, kName, storedName(settings.printerName.trimmed()));
    changes.set(slipType, kIndex, settings.printerIndex);
    changes.set(slipType, kTop, settings.top);
    changes.set(slipType, kLeft, settings.left);
    ProfileFile(m_path).write(changes);
}

} // namespace rova::slip
