// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three address lines of a slip from the pieces an order file gives.

#include <QString>

#include <initializer_list>

namespace rova::orders
{

struct AddressParts {
    QString prefecture, city, street, building, company, department;
};

struct AddressLines {
    QString add1, add2, add3;
    friend bool operator==(const AddressLines&, const AddressLines&) = default;
};

// Line ① is prefecture, city and street run together (a piece the street repeats is taken once);
// when that is over 40 code page 932 bytes, it is cut at the last place that keeps ① within 40
// bytes: after the prefecture, after the city, before the first digit of the street (after the
// town), after its block number or at a blank, and what follows goes to ②. Line ② ends with the building,
// line ③ holds company and department. Pieces are joined by an ideographic space. With no place to cut, ①
// stays whole.
AddressLines composeAddress(const AddressParts& parts);

// Joins the non-empty trimmed texts with an ideographic space.
QString joinWords(std::initializer_list<QString> texts);

} // namespace rova::orders
