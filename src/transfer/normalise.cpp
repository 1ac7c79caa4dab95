#include "normalise.h"

#include "blanks.h"
#include "labelwords.h"
#include "numerictest.h"
#include "platform/halfwidth.h"

namespace rova::transfer
{

QString normaliseLine(const QString& line)
{
    const QString cleaned = trimZen(removeLabelWords(line));
    return passesNumericTest(cleaned) ? toHalfWidth(cleaned) : cleaned;
}

} // namespace rova::transfer
