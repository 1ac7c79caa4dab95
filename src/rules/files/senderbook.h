// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten-slot sender book: slot k is the file "my<k>.txt" in the data folder, five
// code page 932 lines (postal code, address 1, address 2, name, telephone), each ended by CR LF.

#include "rules/errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rova
{

struct Sender {
    QString zip;
    QString add1;
    QString add2;
    QString name;
    QString tel;
    friend bool operator==(const Sender&, const Sender&) = default;
};

// Names the fields whose text code page 932 cannot hold, or that hold a line break (which would
// split a line of a file): the sender book then stores nothing, the settings store what the file
// can hold. The message names the fields, as the operator knows them, and the characters.
class UnsavableFieldsError : public Error
{
public:
    UnsavableFieldsError(QStringList fields, const QString& characters);
    const QStringList& fields() const noexcept { return m_fields; }

private:
    QStringList m_fields;
};

// Gathers such fields while the others are stored, to report them together.
class UnsavableFields
{
public:
    // True when `text` can be stored; otherwise the field is noted.
    bool check(const QString& field, const QString& text);
    void raiseIfAny() const;

    // What of `text` a file can hold: the text without the characters code page 932 cannot hold and
    // without line breaks.
    static QString savablePart(const QString& text);

private:
    QStringList m_fields;
    QString m_characters; // each once, in order of appearance
    bool m_lineBreak = false;
};

namespace senderbook
{

constexpr int kSlots = 10;

// What the operator calls the sender fields in messages.
namespace label
{
inline const QString zip = QStringLiteral("ご依頼主の郵便番号");
inline const QString add1 = QStringLiteral("ご依頼主のおところ①");
inline const QString add2 = QStringLiteral("ご依頼主のおところ②");
inline const QString name = QStringLiteral("ご依頼主のおなまえ");
inline const QString tel = QStringLiteral("ご依頼主のでんわ");
} // namespace label

inline bool isSlot(int slot)
{
    return slot >= 0 && slot < kSlots;
}
// "my0.txt" to "my9.txt"; raises rova::Error "TabErr" for any other slot.
QString fileName(int slot);

// Lines end at LF or CR LF; a lone CR is dropped, missing lines are empty, lines after the fifth ignored.
Sender parse(const QByteArray& bytes);

// The slot's file in the folder, read only as far as its fifth line. Raises rova::FileError naming the
// file when it cannot be read ("File not found", ...) or those lines hold more than 64 KiB.
Sender read(const QString& folder, int slot);
// Replaces the slot's file atomically. Raises UnsavableFieldsError (nothing written) for text code
// page 932 cannot hold, rova::FileError naming the file otherwise ("File access denied", ...).
void write(const QString& folder, int slot, const Sender& sender);

} // namespace senderbook
} // namespace rova
