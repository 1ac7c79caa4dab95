// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small postal dictionary in tests/data/postal, loaded as the program loads the installed lists.

#include "rules/postal/loader.h"
#include "rules/postal/sources.h"

namespace testsupport
{

inline QString testPostalFolder()
{
    return QStringLiteral(ROVA_TEST_DATA "/postal");
}

inline rova::postal::Loaded loadTestPostal()
{
    return rova::postal::load(rova::postal::locateSources(testPostalFolder(), {}, {}));
}

} // namespace testsupport
