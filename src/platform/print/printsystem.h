// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/print: the print system, the printer model and the one print path.
//
// The print system as the printer model sees it: the catalogue of destinations, what each can do,
// the job settings held in memory, and print jobs of one or more pages drawn on a canvas. Backends: CUPS, the
// built-in PDF printer (always last) and a scriptable fake for tests.

#include "rules/slip/canvas.h"

#include <QList>
#include <QMarginsF>
#include <QPoint>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace rova::print
{

// One entry of the catalogue. port is the device URI (its changes are noticed like added printers).
struct Destination {
    QString name;
    bool hidden = false;
    QString port;
};

// A paper size. code is what the job settings hold; keyword is what a job needs (the media keyword).
// A code may be listed more than once.
struct Paper {
    int code = 0;
    QString keyword;
    QString name;
    QSizeF sizeMm;
    QMarginsF marginsMm; // unprintable margins: left, top, right, bottom
};

// A paper bin (input slot). keyword is the input-slot keyword a job needs.
struct Bin {
    int code = 0;
    QString keyword;
    QString name;
};

// The job settings held in memory for the current destination. An empty optional means the
// destination has no such setting at all (no scale setting reads as 100 %).
struct DeviceMode {
    std::optional<int> paper;
    std::optional<int> bin;
    std::optional<int> scale;
    QPoint resolution{600, 600}; // dots per inch, x and y
};

struct Capabilities {
    QList<Paper> papers; // empty: the destination gives no paper list
    QList<Bin> bins;     // empty: the destination gives no bin list
    QList<QPoint> resolutions;
    int maxCopies = 0;   // 0: not known
    DeviceMode defaults; // what a freshly selected destination starts with
};

// What a job is called: the title print queues show, and whom its pages are for (the destination's
// name of the slips printed, empty when they are for several), which a printer into files names the
// file after.
struct JobTitle {
    // Not explicit: a title alone names a job for no one in particular.
    JobTitle(QString title = {}, QString addressee = {})
        : title(std::move(title)), addressee(std::move(addressee))
    {
    }
    QString title;
    QString addressee;
};

// A document being drawn, one page after the other; it starts on its first page. Destroying a job
// that was neither ended nor aborted discards it.
class Job
{
public:
    virtual ~Job() = default;
    // The page being drawn.
    virtual Canvas& canvas() = 0;
    // Closes the page being drawn and starts the next one; the canvas stays the same object.
    virtual void newPage() = 0;
    // Hands the document over. Raises rova::Error with the system's message when it is not
    // accepted; a refused job is never reported as printed.
    virtual void end() = 0;
    // Discards the document.
    virtual void abort() = 0;
};

class PrintSystem
{
public:
    virtual ~PrintSystem() = default;
    // The catalogue, in the system's order (raw indexes count every entry, hidden ones included).
    // Raises PrinterError Unreachable when the system cannot tell (a joined system then as a whole).
    virtual QList<Destination> destinations() = 0;
    // Raw index of the system's default destination, -1 when there is none.
    virtual int defaultDestination() = 0;
    // Raises rova::Error when the destination cannot be asked.
    virtual Capabilities capabilities(const QString& name) = 0;
    // Starts a job on its first page; raises rova::Error when it cannot be started.
    virtual std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode,
                                       const JobTitle& title) = 0;
};

// Several systems shown as one catalogue, in the given order; a destination is served by the first
// system that lists its name, and the default is the first default found.
std::unique_ptr<PrintSystem> joinSystems(std::vector<std::unique_ptr<PrintSystem>> parts);

} // namespace rova::print
