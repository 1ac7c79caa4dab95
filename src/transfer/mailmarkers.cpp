#include "mailmarkers.h"

#include "countword.h"
#include "wordlists.h"

namespace rova::transfer
{

int mailMarkerCount(const QString& text)
{
    static const WordCounter markers(words::mailMarkers());
    return markers.total(text);
}

} // namespace rova::transfer
