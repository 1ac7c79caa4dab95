// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a test does when the private PostgreSQL server cannot run here.

#include <QTest>

// A machine without the PostgreSQL packages skips these tests; under CI (CI set), where the
// packages are installed, the same reason fails them, so that they can never pass by not running.
#define PRIVATE_POSTGRES_UNAVAILABLE(why)                                                                    \
    do {                                                                                                     \
        if (qEnvironmentVariableIsSet("CI"))                                                                 \
            QFAIL(qPrintable(why));                                                                          \
        QSKIP(qPrintable(why));                                                                              \
    } while (false)
