// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Queues on the private CUPS server for the benchmarks, named so that they sort in creation order.

#include "support/privatecupsserver.h"

#include <QString>

namespace bench
{

// The generic PDF printer description every benchmark queue uses.
QString genericPdfPpd();
// Name of queue number `n` (1-based).
QString queueName(int n);
// Adds queues number first..last; false with the reason when lpadmin refuses one.
bool addQueues(PrivateCupsServer& server, int first, int last, QString* why);
// Starts the server and adds `count` queues; false with the reason.
bool startWithQueues(PrivateCupsServer& server, int count, QString* why);

} // namespace bench
