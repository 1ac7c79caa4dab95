// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry/filledaddress.h"

#include "rules/transfer/prefecture.h"

#include <QLineEdit>

#include <utility>

namespace rova
{

FilledAddress::FilledAddress(QLineEdit& field, QObject* parent) : QObject(parent), m_field(field)
{
    // textEdited (the operator's change) comes before textChanged and already forgets the town;
    // textChanged forgets it for a change the program made (a transfer, the next slip, a slip shown).
    connect(&field, &QLineEdit::textEdited, this, &FilledAddress::edited);
    connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != m_town)
            m_town.clear();
    });
}

void FilledAddress::fill(const QString& town)
{
    m_field.setText(town);
    m_town = m_field.text();
}

void FilledAddress::edited(const QString& text)
{
    // Any change of the operator's ends the look-up's town, whether or not it replaces it.
    const QString town = std::exchange(m_town, QString());
    // The text came in at the end of the town, where the look-up left the caret.
    if (town.isEmpty() || !text.startsWith(town) || m_field.cursorPosition() != text.size())
        return;
    const QString incoming = text.sliced(town.size());
    if (transfer::startsWithPrefecture(incoming) || incoming.startsWith(town))
        m_field.setText(incoming);
}

} // namespace rova
