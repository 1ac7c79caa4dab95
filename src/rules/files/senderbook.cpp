// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/senderbook.h"

#include "rules/files/fileio.h"
#include "rules/text/cp932.h"

#include <QDir>

namespace rova
{

UnsavableFieldsError::UnsavableFieldsError(QStringList fields, const QString& characters)
    : Error(fields.join(QStringLiteral("、")) + QLatin1Char('\n') + errtext::unencodable(characters)),
      m_fields(std::move(fields))
{
}

bool UnsavableFields::check(const QString& field, const QString& text)
{
    const QString unencodable = cp932::encode(text).unencodable;
    const bool lineBreak = text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (unencodable.isEmpty() && !lineBreak)
        return true;
    m_fields << field;
    m_lineBreak |= lineBreak;
    for (const char32_t c : unencodable.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!m_characters.contains(one))
            m_characters += one;
    }
    return false;
}

QString UnsavableFields::savablePart(const QString& text)
{
    const QString unencodable = cp932::encode(text).unencodable;
    QString kept;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c != U'\n' && c != U'\r' && !unencodable.contains(one))
            kept += one;
    }
    return kept;
}

void UnsavableFields::raiseIfAny() const
{
    if (m_fields.isEmpty())
        return;
    QStringList shown;
    if (!m_characters.isEmpty())
        shown << m_characters;
    if (m_lineBreak)
        shown << QStringLiteral("改行");
    throw UnsavableFieldsError(m_fields, shown.join(QStringLiteral("、")));
}

namespace senderbook
{

namespace
{
struct Line {
    QString Sender::*field;
    const QString& label;
};
// The file's line order.
const Line kLines[] = {
    {&Sender::zip, label::zip},   {&Sender::add1, label::add1}, {&Sender::add2, label::add2},
    {&Sender::name, label::name}, {&Sender::tel, label::tel},
};
} // namespace

QString fileName(int slot)
{
    if (!isSlot(slot))
        throw Error(QStringLiteral("TabErr"));
    return QStringLiteral("my%1.txt").arg(slot);
}

Sender parse(const QByteArray& bytes)
{
    // LF and CR never occur inside a double-byte character, so the bytes can be split as they are.
    const QList<QByteArray> lines = bytes.split('\n');
    Sender sender;
    for (qsizetype i = 0; i < std::ssize(kLines) && i < lines.size(); ++i)
        sender.*kLines[i].field = cp932::decode(QByteArray(lines[i]).replace('\r', QByteArray()));
    return sender;
}

Sender read(const QString& folder, int slot)
{
    // Only the lines a sender has are read, however long the file: real ones are a few hundred bytes.
    constexpr qsizetype kMaxSenderBytes = 64 * 1024;
    return parse(
        fileio::readLines(QDir(folder).filePath(fileName(slot)), std::ssize(kLines), kMaxSenderBytes));
}

void write(const QString& folder, int slot, const Sender& sender)
{
    const QString path = QDir(folder).filePath(fileName(slot));
    QByteArray bytes;
    UnsavableFields unsavable;
    for (const Line& line : kLines) {
        if (unsavable.check(line.label, sender.*line.field))
            bytes += cp932::toBytes(sender.*line.field) + "\r\n";
    }
    unsavable.raiseIfAny();
    fileio::writeAtomically(path, bytes);
}

} // namespace senderbook
} // namespace rova
