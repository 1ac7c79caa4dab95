// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window asks the postal dictionary, as functions of the fields' texts.

#include "rules/postal/index.h"

#include <QList>
#include <QString>

namespace rova::postal
{

// Code to places: the entries of the code in the postal-code field; empty when the field holds no
// code of seven digits or the dictionary has none such.
QList<Place> placesOf(const Index& index, QStringView zipText);

// Address to codes: the towns matching most of the start of the address lines (pass them joined).
QList<Place> codesOf(const Index& index, QStringView address);

// Whether the postal code and the address agree, with the help line to show when they do not.
struct Check {
    enum class Verdict {
        NotChecked,  // no code of seven digits, or an empty address with a known code
        Agrees,      //
        UnknownCode, // the list has no such code
        Mismatch,    // the code exists but names another place
    };
    Verdict verdict = Verdict::NotChecked;
    QString helpText; // empty unless UnknownCode or Mismatch
};
Check check(const Index& index, QStringView zipText, QStringView address);

} // namespace rova::postal
