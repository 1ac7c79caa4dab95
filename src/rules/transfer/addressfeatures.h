// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a line reads as a name or as an address: its length and how many address words it holds.

#include <QString>

namespace rova::transfer
{

struct FeatureCount {
    qsizetype chars = 0; // characters of the trimmed text
    int features = 0;    // occurrences of the address features, overlapping tokens counted each
};

FeatureCount countAddressFeatures(const QString& text);

} // namespace rova::transfer
