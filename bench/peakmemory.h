// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process's maximum resident size so far, as the kernel counts it.

namespace bench
{

// VmHWM of /proc/self/status in KiB; 0 when it cannot be read.
long peakResidentKiB();

} // namespace bench
