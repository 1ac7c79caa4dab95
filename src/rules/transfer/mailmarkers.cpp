// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/mailmarkers.h"

#include "rules/transfer/countword.h"
#include "rules/transfer/wordlists.h"

namespace rova::transfer
{

int mailMarkerCount(const QString& text)
{
    static const WordCounter markers(words::mailMarkers());
    return markers.total(text);
}

} // namespace rova::transfer
