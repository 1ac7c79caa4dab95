// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/blanks.h"

namespace rova::transfer
{

namespace
{
bool isControlOrSpace(QChar c)
{
    return c.unicode() <= 0x20;
}
bool isBlankOfEitherWidth(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x3000;
}

template <typename Pred> QString trimmed(const QString& text, Pred drop, bool right)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && drop(text.at(begin)))
        ++begin;
    while (right && end > begin && drop(text.at(end - 1)))
        --end;
    // Untouched lines are shared, not copied: the pasted lines may be long.
    return (begin == 0 && end == text.size()) ? text : text.sliced(begin, end - begin);
}
} // namespace

QString trimStandard(const QString& text)
{
    return trimmed(text, isControlOrSpace, true);
}
QString trimLeftStandard(const QString& text)
{
    return trimmed(text, isControlOrSpace, false);
}
QString trimZen(const QString& text)
{
    return trimmed(text, isBlankOfEitherWidth, true);
}
bool isBlank(const QString& text)
{
    return trimZen(text).isEmpty();
}

} // namespace rova::transfer
