// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers for paper sizes and bins, as job settings hold them. Well-known sizes and bins get the
// numbers printer drivers traditionally use; everything else is numbered from 256 upwards.

#include <QSet>
#include <QSizeF>
#include <QString>

namespace rova::print
{

// The traditional number of a paper size (within half a millimetre), or 0 when it has none.
int standardPaperCode(const QSizeF& sizeMm);
// The traditional number of a bin, from its input-slot keyword, or 0 when it has none.
int standardBinCode(const QString& keyword);

// Hands out numbers unique within one list: the standard one while it is free, else the next
// free one from 256.
class CodeAllocator
{
public:
    int take(int standard);

private:
    QSet<int> m_taken;
    int m_next = 256;
};

} // namespace rova::print
