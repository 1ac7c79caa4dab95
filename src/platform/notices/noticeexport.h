// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shipping notices of the printed slips in the history: one file per marketplace written into
// a folder, each whole or not at all, and its slips marked as notified so the next export holds only
// new ones. The batch window, the history window and the command line all come through here.

#include "platform/store/history.h"
#include "rules/orders/shippingnotices.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace rova::notices
{

struct Exported {
    orders::Notices notices; // file names as written, which a file already there would have changed
    QString summary;         // for the operator: the files, their lines, the slips left out and why
};

// With `all` the slips already notified are written again. Raises rova::Error when the folder is
// missing or a file cannot be written; the files written before it stay, their slips marked.
Exported exportNotices(store::History& history, const QString& folder, bool all,
                       const orders::NoticeSettings& settings, const QDateTime& now);

} // namespace rova::notices
