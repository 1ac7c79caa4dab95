// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/transfer: the text transfer, the pane's compaction and the recognisers.
//
// The transfer of a pasted address block into the destination fields, as one pure function.

#include <QString>
#include <QStringList>

namespace rova::transfer
{

struct Fields {
    QString zip, add1, add2, name, tel;
};

struct Outcome {
    bool nothingToTransfer = false; // no line survived the compaction: say so, leave the fields alone
    QStringList pane;               // what the pane holds afterwards (the seven working lines)
    Fields fields;                  // zip and tel still to be mapped to half-width by the window
};

// Compacts the pane's lines, rewrites the first seven and distributes them over the fields.
Outcome run(const QStringList& paneLines);

} // namespace rova::transfer
