// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeprintsystem.h"

#include "platform/print/printererror.h"

#include "rules/errors.h"

namespace rova::print
{

namespace
{

class FakeCanvas : public Canvas
{
public:
    FakeCanvas(FakePrintSystem& system, int job) : m_system(system), m_job(job) {}

    void setFont(const QString& family, int pointSize, bool bold) override
    {
        m_style.family = family;
        m_style.pointSize = pointSize;
        m_style.bold = bold;
    }
    void setTextColor(const QColor& color) override { m_style.color = color; }
    void setBrush(const QColor& color) override { m_style.brush = color; }

    void textOut(int x, int y, const QString& text) override
    {
        FakePrintSystem::DrawnText drawn = m_style;
        drawn.text = text;
        drawn.position = QPoint(x, y);
        drawn.page = m_system.record(m_job).pages - 1;
        m_system.record(m_job).texts.append(drawn);
    }
    void line(int x1, int y1, int x2, int y2) override
    {
        m_system.record(m_job).lines.append(QLine(x1, y1, x2, y2));
    }

private:
    FakePrintSystem& m_system;
    int m_job;
    FakePrintSystem::DrawnText m_style{{}, {}, 0, false, {}, Qt::black, Qt::white, 0};
};

class FakeJob : public Job
{
public:
    FakeJob(FakePrintSystem& system, int job) : m_system(system), m_job(job), m_canvas(system, job) {}
    ~FakeJob() override
    {
        if (state() == State::Open)
            state() = State::Discarded;
    }

    Canvas& canvas() override { return m_canvas; }
    void newPage() override { ++m_system.record(m_job).pages; }

    void end() override
    {
        if (!m_system.endFailure().isEmpty()) {
            state() = State::Discarded;
            throw Error(m_system.endFailure());
        }
        state() = State::Ended;
    }

    void abort() override { state() = State::Aborted; }

private:
    using State = FakePrintSystem::JobRecord::State;
    State& state() { return m_system.record(m_job).state; }

    FakePrintSystem& m_system;
    int m_job;
    FakeCanvas m_canvas;
};

} // namespace

FakePrintSystem::Printer FakePrintSystem::printer(const QString& name, bool hidden)
{
    Printer p;
    p.destination = {name, hidden, QStringLiteral("file:/dev/null/") + name};
    p.capabilities.papers = {
        {9, QStringLiteral("iso_a4_210x297mm"), QStringLiteral("A4"), {210, 297}, {4, 4, 4, 4}},
        {13, QStringLiteral("jis_b5_182x257mm"), QStringLiteral("B5"), {182, 257}, {4, 4, 4, 4}},
    };
    p.capabilities.bins = {
        {1, QStringLiteral("Upper"), QStringLiteral("上段")},
        {4, QStringLiteral("Manual"), QStringLiteral("手差し")},
    };
    p.capabilities.resolutions = {QPoint(600, 600)};
    p.capabilities.maxCopies = 99;
    p.capabilities.defaults.paper = 9;
    p.capabilities.defaults.bin = 1;
    p.capabilities.defaults.resolution = QPoint(600, 600);
    return p;
}

void FakePrintSystem::addPrinter(const Printer& printer)
{
    m_printers.append(printer);
}

void FakePrintSystem::removePrinter(const QString& name)
{
    for (int i = 0; i < m_printers.size(); ++i) {
        if (m_printers[i].destination.name != name)
            continue;
        m_printers.removeAt(i);
        if (m_default == i)
            m_default = -1;
        else if (m_default > i)
            --m_default;
        return;
    }
}

FakePrintSystem::Printer& FakePrintSystem::printerNamed(const QString& name)
{
    for (Printer& p : m_printers) {
        if (p.destination.name == name)
            return p;
    }
    throw Error(QStringLiteral("no fake printer named ") + name);
}

void FakePrintSystem::setDefault(int rawIndex)
{
    m_default = rawIndex;
}

QList<Destination> FakePrintSystem::destinations()
{
    if (!m_unreachable.isEmpty())
        throw unreachable(QStringLiteral("/run/cups/cups.sock"), m_unreachable);
    QList<Destination> list;
    for (const Printer& p : m_printers)
        list.append(p.destination);
    return list;
}

Capabilities FakePrintSystem::capabilities(const QString& name)
{
    ++m_capabilityQueries;
    return printerNamed(name).capabilities;
}

std::unique_ptr<Job> FakePrintSystem::begin(const QString& name, const DeviceMode& mode,
                                            const JobTitle& title)
{
    if (!m_unreachable.isEmpty())
        throw unreachable(QStringLiteral("/run/cups/cups.sock"), m_unreachable);
    printerNamed(name);
    if (!m_beginFailure.isEmpty())
        throw Error(m_beginFailure);
    JobRecord job;
    job.title = title.title;
    job.addressee = title.addressee;
    job.destination = name;
    job.mode = mode;
    m_jobs.append(job);
    return std::make_unique<FakeJob>(*this, int(m_jobs.size()) - 1);
}

} // namespace rova::print
