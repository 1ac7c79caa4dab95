// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/batch: the batch list's import, check and print, for the window and the command line.
//
// Imported slips into the batch list: their marks as the list keeps them, duplicates skipped or
// taken as asked, and a whole file read with the mapping remembered for its header. The batch
// window and the command line both come through here.

#include "platform/batch/rowcheck.h"
#include "platform/store/batchlist.h"
#include "rules/orders/orderimport.h"

#include <QList>
#include <QString>

namespace rova::batch
{

// A stable key per mark code ("zip", "overlap", …), what the list stores.
QString markKey(orders::MarkCode code);
QList<store::BatchMark> listMarks(const QList<orders::Mark>& marks);
// The standing text of a stored key, without a row's details ("代金引換の注文です"); the key itself
// when no code has it.
QString markCaption(const QString& key);
// What a slip typed or corrected in the window deserves now.
QList<store::BatchMark> checkedMarks(const slip::SlipValues& slip, RowCheck& check);

// The marks only an import finds (values left out, rows that disagree), which no check finds again.
QList<store::BatchMark> importMarks(const QList<store::BatchMark>& marks);

// The marketplace a format's order numbers belong to, as the list stores it; "" for our own export
// and a chosen mapping, whose numbers may come from any.
QString orderSource(std::optional<orders::FormatId> format);

// The rows of imported slips, each with the marks the import gave it and those of the check.
QList<store::BatchRow> batchRows(const orders::OrderImport& imported, const QString& sourceFile,
                                 RowCheck& check);

struct Added {
    int added = 0;
    int marked = 0;                 // of the rows added
    QList<store::BatchRow> skipped; // duplicates left out, in file order
};
// Appends the rows in one transaction; duplicates of rows already there (or of earlier incoming
// rows) are left out unless `allowDuplicates`.
Added addRows(store::BatchList& list, const QList<store::BatchRow>& rows, bool allowDuplicates);
// How the operator tells a skipped row: its order number, or the name it goes to.
QStringList skippedNames(const Added& added);

// The slips of a file through its recognised format or the mapping remembered for its header in
// the data folder's settings. Raises rova::Error naming the file when it cannot be read or its
// header is of no known format and no mapping was chosen for it.
orders::OrderImport importFile(const QString& path, const QString& dataFolder,
                               const orders::ImportContext& context);

} // namespace rova::batch
