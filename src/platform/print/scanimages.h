// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The images of the operator's form scans, each read from its file once: PNG or JPEG as it is, the
// first page of a PDF rendered at the scan's resolution. A file changed since it was read is read
// again; one that has gone is reported, even while its image is still kept.

#include "rules/slip/formscan.h"

#include <QCache>
#include <QDateTime>
#include <QImage>

namespace rova::print
{

class ScanImages
{
public:
    // Raises rova::FileError naming the file ("用紙の画像を読めません: <why>", then its path) when it
    // is missing, cannot be read, or is neither an image nor a PDF.
    QImage image(const slip::FormScan& scan);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = 0;
        int renderedAt = 0; // the resolution a PDF page was rendered at; 0 for an image file
        QImage image;
    };
    // In MiB: a few slip types' scans at their usual resolutions.
    QCache<QString, Entry> m_entries{256};
};

} // namespace rova::print
