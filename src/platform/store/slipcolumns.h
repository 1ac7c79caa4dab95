// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns that hold a slip's values, the same in every table that stores slips: the one place
// where each field of SlipValues meets its column.

#include "platform/store/schema.h"
#include "rules/slip/slipvalues.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace rova::store
{

// {"slip_type TEXT", "zip TEXT", …}: the columns the step to schema `version` adds to each table
// that stores slips (the first creates the tables with its own).
QStringList slipColumnsAddedIn(int version);
// "slip_type, zip, …" for SELECT and INSERT, in the order readSlip expects; a schema step before
// the last reads only the columns its `version` has.
QString slipColumnNames(int version = schemaVersion);
// "?, ?, …" for INSERT.
QString slipPlaceholders();
// "slip_type = ?, …" for UPDATE.
QString slipAssignments();

int slipColumnCount();

// Binds every field to the positional placeholders from `first` on.
void bindSlip(QSqlQuery& query, const slip::SlipValues& slip, int first);
// The slip in the current row, whose slip columns (those of schema `version`) start at `first`.
slip::SlipValues readSlip(const QSqlQuery& query, int first, int version = schemaVersion);

} // namespace rova::store
