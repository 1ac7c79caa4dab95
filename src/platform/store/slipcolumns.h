#pragma once
// The columns that hold a slip's values, the same in every table that stores slips: the one place
// where each field of SlipValues meets its column.

#include "rules/slip/slipvalues.h"

#include <QSqlQuery>
#include <QString>

namespace rova::store
{

// "slip_type TEXT, zip TEXT, …" for CREATE TABLE. The first schema step creates exactly these, so
// a field added later needs a schema step of its own that adds its column to each table.
QString slipColumnDefinitions();
// "slip_type, zip, …" for SELECT and INSERT, in the order readSlip expects.
QString slipColumnNames();
// "?, ?, …" for INSERT.
QString slipPlaceholders();
// "slip_type = ?, …" for UPDATE.
QString slipAssignments();

int slipColumnCount();

// Binds every field to the positional placeholders from `first` on.
void bindSlip(QSqlQuery& query, const slip::SlipValues& slip, int first);
// The slip in the current row, whose slip columns start at `first`.
slip::SlipValues readSlip(const QSqlQuery& query, int first);

} // namespace rova::store
