// SPDX-License-Identifier: GPL-3.0-or-later
#include "peakmemory.h"

#include <fstream>
#include <string>

namespace bench
{

long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

} // namespace bench
