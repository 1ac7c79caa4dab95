// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a CUPS destination offers, and how a job names its choices: from the queue's PPD where it
// has one (paper and slot names as the PPD gives them), else from the printer's IPP attributes.

#include "platform/print/printsystem.h"

#include <QByteArray>
#include <QStringList>

#include <cups/cups.h>

namespace rova::print
{

struct CupsDevice {
    Capabilities caps;
    // Option names a job uses for the input slot and the resolution; empty: not sent.
    QByteArray slotOption;
    QByteArray resolutionOption;
    // Values of resolutionOption, in the order of caps.resolutions.
    QStringList resolutionValues;
};

// Raises rova::Error with CUPS's message when the destination cannot be asked.
CupsDevice readCupsDevice(cups_dest_t& dest);

// Reading "600dpi" or "720x360dpi"; a null point when the text is neither.
QPoint parseResolution(const QString& text);

// The parts for the two sources.
bool readPpdDevice(cups_dest_t& dest, CupsDevice& device);
CupsDevice readIppDevice(cups_dest_t& dest);

} // namespace rova::print
