// SPDX-License-Identifier: GPL-3.0-or-later
// The PPD interface is marked deprecated in libcups 2.4, yet only the PPD carries the paper and
// input-slot names the driver's author gave.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "platform/print/cups/cupsdevice.h"
#include "platform/print/papercodes.h"

#include <cups/ppd.h>

#include <unistd.h>

#include <memory>

namespace rova::print
{

namespace
{

constexpr double mmPerPoint = 25.4 / 72.0;

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdFile = std::unique_ptr<ppd_file_t, PpdCloser>;

PpdFile openPpd(const cups_dest_t& dest)
{
    char path[1024] = "";
    time_t modified = 0;
    if (cupsGetPPD3(CUPS_HTTP_DEFAULT, dest.name, &modified, path, sizeof path) != HTTP_STATUS_OK)
        return nullptr;
    PpdFile ppd(ppdOpenFile(path));
    unlink(path); // a private copy or a link to the server's file
    return ppd;
}

QString marked(ppd_file_t* ppd, const char* option)
{
    const ppd_choice_t* choice = ppdFindMarkedChoice(ppd, option);
    return choice ? QString::fromUtf8(choice->choice) : QString();
}

void readPapers(ppd_file_t* ppd, Capabilities& caps)
{
    const ppd_option_t* option = ppdFindOption(ppd, "PageSize");
    if (!option)
        return;
    CodeAllocator codes;
    const QString current = marked(ppd, "PageSize");
    for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& choice = option->choices[i];
        const ppd_size_t* size = ppdPageSize(ppd, choice.choice);
        if (!size || size->width <= 0 || size->length <= 0)
            continue;
        Paper paper;
        paper.keyword = QString::fromUtf8(choice.choice);
        paper.name = QString::fromUtf8(choice.text[0] ? choice.text : choice.choice);
        paper.sizeMm = QSizeF(size->width * mmPerPoint, size->length * mmPerPoint);
        paper.marginsMm = QMarginsF(size->left * mmPerPoint, (size->length - size->top) * mmPerPoint,
                                    (size->width - size->right) * mmPerPoint, size->bottom * mmPerPoint);
        paper.code = codes.take(standardPaperCode(paper.sizeMm));
        if (paper.keyword == current)
            caps.defaults.paper = paper.code;
        caps.papers.append(paper);
    }
}

void readBins(ppd_file_t* ppd, CupsDevice& device)
{
    const ppd_option_t* option = ppdFindOption(ppd, "InputSlot");
    if (!option)
        return;
    device.slotOption = "InputSlot";
    CodeAllocator codes;
    const QString current = marked(ppd, "InputSlot");
    for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& choice = option->choices[i];
        Bin bin;
        bin.keyword = QString::fromUtf8(choice.choice);
        bin.name = QString::fromUtf8(choice.text[0] ? choice.text : choice.choice);
        bin.code = codes.take(standardBinCode(bin.keyword));
        if (bin.keyword == current)
            device.caps.defaults.bin = bin.code;
        device.caps.bins.append(bin);
    }
}

void readResolutions(ppd_file_t* ppd, CupsDevice& device)
{
    Capabilities& caps = device.caps;
    if (const ppd_option_t* option = ppdFindOption(ppd, "Resolution")) {
        const QString current = marked(ppd, "Resolution");
        for (int i = 0; i < option->num_choices; ++i) {
            const QString value = QString::fromUtf8(option->choices[i].choice);
            const QPoint dpi = parseResolution(value);
            if (dpi.isNull())
                continue;
            caps.resolutions.append(dpi);
            device.resolutionValues.append(value);
            if (value == current)
                caps.defaults.resolution = dpi;
        }
        if (!device.resolutionValues.isEmpty())
            device.resolutionOption = "Resolution";
    }
    if (caps.resolutions.isEmpty()) {
        const ppd_attr_t* attr = ppdFindAttr(ppd, "DefaultResolution", nullptr);
        const QPoint dpi = attr ? parseResolution(QString::fromUtf8(attr->value)) : QPoint();
        if (!dpi.isNull()) {
            caps.resolutions.append(dpi);
            caps.defaults.resolution = dpi;
        }
    }
}

} // namespace

bool readPpdDevice(cups_dest_t& dest, CupsDevice& device)
{
    const PpdFile ppd = openPpd(dest);
    if (!ppd)
        return false;
    // The queue's defaults, then the destination's own options (lpoptions, instances) on top.
    ppdMarkDefaults(ppd.get());
    cupsMarkOptions(ppd.get(), dest.num_options, dest.options);
    readPapers(ppd.get(), device.caps);
    readBins(ppd.get(), device);
    readResolutions(ppd.get(), device);
    return true;
}

} // namespace rova::print
