// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A print system for tests: printers are set up by the test, failures happen on demand, and every
// job is recorded with each text drawn on it.

#include "platform/print/printsystem.h"

#include <QLine>
#include <QList>

namespace rova::print
{

class FakePrintSystem : public PrintSystem
{
public:
    struct Printer {
        Destination destination;
        Capabilities capabilities;
    };

    struct DrawnText {
        QString text;
        QString family;
        int pointSize = 0;
        bool bold = false;
        QPoint position; // device dots
        QColor color;
        QColor brush;
        int page = 0; // counted from 0
    };

    struct JobRecord {
        enum class State { Open, Ended, Aborted, Discarded };
        QString title;
        QString addressee;
        QString destination;
        DeviceMode mode;
        QList<DrawnText> texts;
        QList<QLine> lines; // device dots
        int pages = 1;
        State state = State::Open;
    };

    // A visible printer on port "file:/dev/null/<name>" with two papers (A4 code 9, B5 code 13),
    // two bins (upper code 1, manual code 4), 600 dpi, no scale setting; defaults A4 and upper.
    static Printer printer(const QString& name, bool hidden = false);

    void addPrinter(const Printer& printer);
    void removePrinter(const QString& name);
    Printer& printerNamed(const QString& name); // to change a printer in place
    void setDefault(int rawIndex);              // -1: no default

    // Failures on demand: a non-empty message makes every begin() / end() fail with it.
    void failBegin(const QString& message) { m_beginFailure = message; }
    void failEnd(const QString& message) { m_endFailure = message; }
    // A non-empty reason makes the system unreachable: listing and starting jobs raise
    // PrinterError Unreachable with it.
    void setUnreachable(const QString& reason) { m_unreachable = reason; }

    const QList<JobRecord>& jobs() const { return m_jobs; }
    int capabilityQueries() const { return m_capabilityQueries; }

    QList<Destination> destinations() override;
    int defaultDestination() override { return m_default; }
    Capabilities capabilities(const QString& name) override;
    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const JobTitle& title) override;

    // Used by the fake's jobs.
    JobRecord& record(int index) { return m_jobs[index]; }
    const QString& endFailure() const { return m_endFailure; }

private:
    QList<Printer> m_printers;
    int m_default = -1;
    QString m_beginFailure;
    QString m_endFailure;
    QString m_unreachable;
    QList<JobRecord> m_jobs;
    int m_capabilityQueries = 0;
};

} // namespace rova::print
