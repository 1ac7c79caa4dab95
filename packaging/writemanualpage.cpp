// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the Japanese manual page to standard output: writemanualpage VERSION DATE. Run by the
// install rules, so the page is made from the same tables as --help.
#include "platform/cli/commandline.h"
#include "platform/cli/manualpage.h"

int main(int argc, char* argv[])
{
    if (argc != 3)
        return rova::cli::UsageError;
    rova::cli::print(stdout,
                     rova::cli::japaneseManualPage(QString::fromUtf8(argv[1]), QString::fromUtf8(argv[2])));
    return rova::cli::Success;
}
