// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/cups/cupsdevice.h"

#include "platform/print/cups/cupsdestinations.h"

#include "platform/print/papercodes.h"
#include "rules/errors.h"

namespace rova::print
{

namespace
{

constexpr double mmPerHundredth = 0.01;
constexpr double cmPerInch = 2.54;

QString text(const char* value)
{
    return QString::fromUtf8(value ? value : "");
}

QPoint dotsPerInch(ipp_attribute_t* attr, int i)
{
    ipp_res_t units = IPP_RES_PER_INCH;
    int y = 0;
    const int x = ippGetResolution(attr, i, &y, &units);
    if (units == IPP_RES_PER_CM)
        return QPoint(qRound(x * cmPerInch), qRound(y * cmPerInch));
    return QPoint(x, y);
}

} // namespace

CupsDevice readIppDevice(cups_dest_t& dest)
{
    http_t* http = CUPS_HTTP_DEFAULT;
    const CupsDestInfo info(cupsCopyDestInfo(http, &dest));
    if (!info)
        throw Error(QStringLiteral("プリンタ %1 の情報を取得できません: %2")
                        .arg(text(dest.name), text(cupsLastErrorString())));
    CupsDevice device;
    Capabilities& caps = device.caps;

    CodeAllocator paperCodes;
    cups_size_t current{};
    const bool hasCurrent =
        cupsGetDestMediaDefault(http, &dest, info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &current);
    const int mediaCount = cupsGetDestMediaCount(http, &dest, info.get(), CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < mediaCount; ++i) {
        cups_size_t size{};
        if (!cupsGetDestMediaByIndex(http, &dest, info.get(), i, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            continue;
        Paper paper;
        paper.keyword = text(size.media);
        const char* localized =
            cupsLocalizeDestMedia(http, &dest, info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &size);
        paper.name = localized ? text(localized) : paper.keyword;
        paper.sizeMm = QSizeF(size.width * mmPerHundredth, size.length * mmPerHundredth);
        paper.marginsMm = QMarginsF(size.left * mmPerHundredth, size.top * mmPerHundredth,
                                    size.right * mmPerHundredth, size.bottom * mmPerHundredth);
        paper.code = paperCodes.take(standardPaperCode(paper.sizeMm));
        if (hasCurrent && paper.keyword == text(current.media) && !caps.defaults.paper)
            caps.defaults.paper = paper.code;
        caps.papers.append(paper);
    }

    CodeAllocator binCodes;
    ipp_attribute_t* currentSource = cupsFindDestDefault(http, &dest, info.get(), "media-source");
    const QString currentSourceName = text(currentSource ? ippGetString(currentSource, 0, nullptr) : nullptr);
    if (ipp_attribute_t* sources = cupsFindDestSupported(http, &dest, info.get(), "media-source")) {
        device.slotOption = "media-source";
        for (int i = 0; i < ippGetCount(sources); ++i) {
            const char* value = ippGetString(sources, i, nullptr);
            Bin bin;
            bin.keyword = text(value);
            const char* localized = cupsLocalizeDestValue(http, &dest, info.get(), "media-source", value);
            bin.name = localized ? text(localized) : bin.keyword;
            bin.code = binCodes.take(standardBinCode(bin.keyword));
            if (bin.keyword == currentSourceName)
                caps.defaults.bin = bin.code;
            caps.bins.append(bin);
        }
    }

    if (ipp_attribute_t* resolutions = cupsFindDestSupported(http, &dest, info.get(), "printer-resolution")) {
        device.resolutionOption = "printer-resolution";
        for (int i = 0; i < ippGetCount(resolutions); ++i) {
            const QPoint dpi = dotsPerInch(resolutions, i);
            caps.resolutions.append(dpi);
            device.resolutionValues.append(dpi.x() == dpi.y()
                                               ? QStringLiteral("%1dpi").arg(dpi.x())
                                               : QStringLiteral("%1x%2dpi").arg(dpi.x()).arg(dpi.y()));
        }
    }
    if (ipp_attribute_t* resolution = cupsFindDestDefault(http, &dest, info.get(), "printer-resolution"))
        caps.defaults.resolution = dotsPerInch(resolution, 0);
    return device;
}

} // namespace rova::print
