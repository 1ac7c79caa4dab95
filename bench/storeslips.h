// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Made-up slips for the store benchmarks, from a fixed seed so every run sees the same set: names
// in kanji, full- and half-width katakana, telephones and postal codes in either width, addresses
// over the three lines, item names and the other values of a slip.

#include "rules/slip/slipvalues.h"

#include <QList>

namespace bench
{

QList<rova::slip::SlipValues> storeSlips(int count, unsigned seed);

} // namespace bench
