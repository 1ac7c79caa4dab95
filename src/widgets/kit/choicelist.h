// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small modal list to pick one line from, for look-ups that find more than one answer.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace rova
{

// The dialog is named "Form_Choice", its list "ListBox_Choice" with the first line current; Enter or
// a double click takes the current line. Nothing when the operator cancels.
std::optional<int> chooseLine(QWidget* parent, const QString& prompt, const QStringList& lines);

} // namespace rova
