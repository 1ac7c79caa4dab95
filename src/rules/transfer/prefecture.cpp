#include "rules/transfer/prefecture.h"

#include "rules/transfer/blanks.h"
#include "rules/transfer/wordlists.h"

namespace rova::transfer
{

bool isPrefecture(const QString& text)
{
    return words::prefectures().contains(trimStandard(text));
}

} // namespace rova::transfer
