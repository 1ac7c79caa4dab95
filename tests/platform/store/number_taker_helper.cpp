// SPDX-License-Identifier: GPL-3.0-or-later
// A second program printing on the same data folder:
//   number_taker_helper FOLDER SLIPTYPE ROUNDS   takes three numbers a round from the slip type's
//                                                stack, printing each number on a line of its own
#include "platform/store/trackingstacks.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 64;
    try {
        rova::store::TrackingStacks stacks(args[1]);
        for (int round = 0; round < args[3].toInt(); ++round)
            for (const QString& number : stacks.take(args[2], 3).numbers)
                std::printf("%s\n", qPrintable(number));
    } catch (const rova::Error& e) {
        std::printf("error %s\n", e.what());
        return 1;
    }
}
