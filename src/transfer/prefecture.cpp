#include "prefecture.h"

#include "blanks.h"
#include "wordlists.h"

namespace rova::transfer
{

bool isPrefecture(const QString& text)
{
    return words::prefectures().contains(trimStandard(text));
}

} // namespace rova::transfer
