// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The postal codes of a slip checked against its addresses, for the lines under the print question.

#include "rules/postal/index.h"
#include "rules/slip/slipvalues.h"

#include <QStringList>

namespace rova::postal
{

// The address a band's postal code is checked against: its first two address lines as one.
QString bandAddress(const QString& add1, const QString& add2);

// One help text per code that is unknown or names another place: the destination's, then the
// sender's when the slip prints the sender.
QStringList slipWarnings(const Index& index, const slip::SlipValues& slip);

} // namespace rova::postal
