// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/addressfeatures.h"

#include "rules/text/cp932.h"
#include "rules/transfer/blanks.h"
#include "rules/transfer/characters.h"
#include "rules/transfer/countword.h"
#include "rules/transfer/wordlists.h"

namespace rova::transfer
{

FeatureCount countAddressFeatures(const QString& text)
{
    static const WordCounter features(words::addressFeatures());
    const QByteArray bytes = cp932::toBytes(trimStandard(text));
    return {charCount(bytes), features.total(bytes)};
}

} // namespace rova::transfer
