#include "numerictest.h"

#include "controls/numberformat.h"

namespace rova::transfer {

namespace {
// Characters the numeric edit reads on from: digits, signs, points and commas of either width.
bool mayContinueNumber(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９') || u == u'-' || u == u'－' || u == u'.' ||
           u == u'．' || u == u',' || u == u'，';
}
} // namespace

QString numericReading(const QString& text)
{
    // The edit stops reading at the first other character, so only the start of a long line is handed
    // to it.
    qsizetype end = 0;
    while (end < text.size() && mayContinueNumber(text.at(end)))
        ++end;
    const numedit::NumberFormat defaults;
    return numedit::stripZeros(numedit::filterText(text.first(end), defaults), defaults);
}

bool passesNumericTest(const QString& text)
{
    return numericReading(text).size() > 2;
}

} // namespace rova::transfer
