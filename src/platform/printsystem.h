#pragma once
// The print system as the printer object sees it: the catalogue of destinations, what each can do,
// the job settings held in memory, and one-page print jobs drawn on a canvas. Backends: CUPS, the
// built-in PDF printer (always last) and a scriptable fake for tests.

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPoint>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

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

// The drawing surface of a job. Coordinates are device dots of the job's resolution, counted from
// the top-left corner of the printable area.
class Canvas
{
public:
    virtual ~Canvas() = default;
    // Point sizes are converted with the job's vertical resolution.
    virtual void setFont(const QString& family, int pointSize, bool bold) = 0;
    virtual void setTextColor(const QColor& color) = 0;
    // A solid brush: texts are drawn on an opaque cell of this colour.
    virtual void setBrush(const QColor& color) = 0;
    // Draws text with the top-left corner of its cell at (x, y); nothing is clipped.
    virtual void textOut(int x, int y, const QString& text) = 0;
};

// A canvas over a painter whose device coordinates are dots of dpiY vertical resolution, with the
// origin already moved to the printable area. Backends that render with QPainter use this one.
class PainterCanvas : public Canvas
{
public:
    PainterCanvas(QPainter& painter, int dpiY);
    void setFont(const QString& family, int pointSize, bool bold) override;
    void setTextColor(const QColor& color) override;
    void setBrush(const QColor& color) override;
    void textOut(int x, int y, const QString& text) override;

private:
    QPainter& m_painter;
    int m_dpiY;
    QColor m_brush = Qt::white;
};

// One page being drawn. Destroying a job that was neither ended nor aborted discards it.
class Job
{
public:
    virtual ~Job() = default;
    virtual Canvas& canvas() = 0;
    // Hands the page over. Raises rova::Error with the system's message when the page is not
    // accepted; a refused job is never reported as printed.
    virtual void end() = 0;
    // Discards the page.
    virtual void abort() = 0;
};

class PrintSystem
{
public:
    virtual ~PrintSystem() = default;
    // The catalogue, in the system's order (raw indexes count every entry, hidden ones included).
    virtual QList<Destination> destinations() = 0;
    // Raw index of the system's default destination, -1 when there is none.
    virtual int defaultDestination() = 0;
    // Raises rova::Error when the destination cannot be asked.
    virtual Capabilities capabilities(const QString& name) = 0;
    // Starts a one-page job; raises rova::Error when it cannot be started.
    virtual std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const QString& title) = 0;
};

// Several systems shown as one catalogue, in the given order; a destination is served by the first
// system that lists its name, and the default is the first default found.
std::unique_ptr<PrintSystem> joinSystems(std::vector<std::unique_ptr<PrintSystem>> parts);

class PdfProposal;
// The CUPS queues followed by the built-in PDF printer, which proposes its files as given.
std::unique_ptr<PrintSystem> localPrinters(PdfProposal pdf);

// The print system of the program. Built on first use as localPrinters() proposing by time alone.
PrintSystem& system();
// Replaces it (tests install the fake here); not while a job is open on the old one.
void setSystem(std::unique_ptr<PrintSystem> replacement);
// Counts the replacements, so that whoever keeps what it read from the system knows to read again.
int systemGeneration();

} // namespace rova::print
