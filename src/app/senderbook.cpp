#include "senderbook.h"

#include "platform/cp932.h"
#include "platform/fileio.h"

namespace rova {

UnsavableFieldsError::UnsavableFieldsError(QStringList fields, const QString& characters)
    : Error(fields.join(QStringLiteral("、")) + QLatin1Char('\n') + errtext::unencodable(characters)),
      m_fields(std::move(fields))
{
}

void UnsavableFields::add(const QString& field, const QString& characters)
{
    m_fields << field;
    for (const char32_t c : characters.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!m_characters.contains(one))
            m_characters += one;
    }
}

void UnsavableFields::raiseIfAny() const
{
    if (!m_fields.isEmpty())
        throw UnsavableFieldsError(m_fields, m_characters);
}

namespace senderbook {

namespace {
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

Sender read(int slot) { return parse(fileio::readAll(fileName(slot))); }

void write(int slot, const Sender& sender)
{
    const QString path = fileName(slot);
    QByteArray bytes;
    UnsavableFields unsavable;
    for (const Line& line : kLines) {
        const cp932::Encoded text = cp932::encode(sender.*line.field);
        if (!text.ok())
            unsavable.add(line.label, text.unencodable);
        bytes += text.bytes + "\r\n";
    }
    unsavable.raiseIfAny();
    fileio::writeAtomically(path, bytes);
}

} // namespace senderbook
} // namespace rova
