// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/papercodes.h"

#include <cmath>

namespace rova::print
{

namespace
{

struct KnownPaper {
    int code;
    double widthMm;
    double heightMm;
};

constexpr KnownPaper knownPapers[] = {
    {1, 215.9, 279.4},  // Letter
    {5, 215.9, 355.6},  // Legal
    {7, 184.15, 266.7}, // Executive
    {8, 297, 420},      // A3
    {9, 210, 297},      // A4
    {11, 148, 210},     // A5
    {12, 257, 364},     // B4 (JIS)
    {13, 182, 257},     // B5 (JIS)
    {43, 100, 148},     // Japanese postcard
    {70, 105, 148},     // A6
    {73, 120, 235},     // Chou 3 envelope
    {74, 90, 205},      // Chou 4 envelope
    {88, 128, 182},     // B6 (JIS)
};

struct KnownBin {
    int code;
    const char* keyword;
};

// Keywords seen in printer descriptions and in media-source values.
constexpr KnownBin knownBins[] = {
    {1, "upper"},     {1, "top"},     {2, "lower"},          {2, "bottom"},
    {3, "middle"},    {4, "manual"},  {4, "manualfeed"},     {5, "envelope"},
    {7, "auto"},      {8, "tractor"}, {11, "largecapacity"}, {11, "large-capacity"},
    {14, "cassette"},
};

} // namespace

int standardPaperCode(const QSizeF& sizeMm)
{
    for (const KnownPaper& p : knownPapers) {
        if (std::abs(sizeMm.width() - p.widthMm) <= 0.5 && std::abs(sizeMm.height() - p.heightMm) <= 0.5)
            return p.code;
    }
    return 0;
}

int standardBinCode(const QString& keyword)
{
    for (const KnownBin& b : knownBins) {
        if (keyword.compare(QLatin1String(b.keyword), Qt::CaseInsensitive) == 0)
            return b.code;
    }
    return 0;
}

int CodeAllocator::take(int standard)
{
    int code = standard;
    if (code <= 0 || m_taken.contains(code)) {
        while (m_taken.contains(m_next))
            ++m_next;
        code = m_next;
    }
    m_taken.insert(code);
    return code;
}

} // namespace rova::print
