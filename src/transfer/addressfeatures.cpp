#include "addressfeatures.h"

#include "blanks.h"
#include "characters.h"
#include "countword.h"
#include "platform/cp932.h"
#include "wordlists.h"

namespace rova::transfer
{

FeatureCount countAddressFeatures(const QString& text)
{
    static const WordCounter features(words::addressFeatures());
    const QByteArray bytes = cp932::toBytes(trimStandard(text));
    return {charCount(bytes), features.total(bytes)};
}

} // namespace rova::transfer
