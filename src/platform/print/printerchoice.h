// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer model (the form's printer object): the installed printers by visible number (hidden
// queues left out), the current choice with its job settings, its papers, bins, resolution and
// scale, and notice of printers or ports that changed. Every problem is raised as a PrinterError
// carrying the message the operator sees. One object is owned by the program and handed to
// whoever needs it.

#include "platform/print/printererror.h"
#include "platform/print/printsystem.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <optional>

namespace rova::print
{

class PrinterChoice : public QObject
{
    Q_OBJECT
public:
    explicit PrinterChoice(PrintSystem& system, QObject* parent = nullptr);
    ~PrinterChoice() override;

    PrintSystem& system() { return m_system; }

    // The visible printers' names, in the system's order.
    QStringList printerNames();
    // Visible number of the current printer; the default printer is current until one is chosen.
    int currentIndex();
    // Chooses by visible number (-1: the default printer). A new choice starts from the printer's
    // default settings; choosing the current one again keeps them.
    void setCurrentIndex(int index);
    // Name of the current destination, also when it is a hidden one.
    QString currentName();

    // The current printer's job settings as held in memory, and a way to change them (the setup
    // dialog does). The answers below keep what they read until refresh() or another choice.
    DeviceMode deviceMode();
    void setDeviceMode(const DeviceMode& mode);
    // Reads the current printer's settings and lists again.
    void refresh();

    int paperCode();
    // The current paper with its size and unprintable edges; empty when the printer names no paper
    // or its list does not hold the chosen one.
    std::optional<Paper> currentPaper();
    QStringList paperNames();
    int paperIndex();
    int binCode();
    QStringList binNames();
    int binIndex();
    QPoint resolution();
    // 100 when the printer has no scale setting.
    int scale();
    bool hasScale();
    // The resolution the slip is laid out at, so that a scaled page keeps the points of the form.
    QPoint printResolution();

    // The distinct device URIs of the printers, in catalogue order, as last read.
    QStringList portNames();
    // Reads the printers and ports again; emits changed() when either differs. Meant to run whenever
    // the application becomes active, which is when printers installed meanwhile can be noticed.
    void checkForChanges();
    // False while the print server did not answer the last reading of the list; every question
    // about printers then raises PrinterError Unreachable with the server's reason.
    bool reachable() const { return m_unreachable.isEmpty(); }

    // While one lives, a printer chosen again takes what was read of it before (the current
    // printer's included) instead of asking the print system once more: one print command visits
    // its printers twice, for their pages and then to print. Nested ones share the outermost's.
    class ReadOnce
    {
    public:
        explicit ReadOnce(PrinterChoice& printers);
        ~ReadOnce();
        ReadOnce(const ReadOnce&) = delete;
        ReadOnce& operator=(const ReadOnce&) = delete;

    private:
        PrinterChoice& m_printers;
        bool m_outermost;
    };

signals:
    void changed();

private:
    // What belongs to one current printer; forgotten when the catalogue changes. Made by assigning
    // Current{}: clang does not let std::optional::emplace() default-construct a nested struct with
    // member initialisers.
    struct Current {
        int raw = -1; // catalogue position; -1 until chosen
        std::optional<Capabilities> capabilities;
        DeviceMode mode;
    };

    void requireReachable() const;
    void requireVisiblePrinter();
    Current& current();
    void choose(int raw);
    const Capabilities& capabilities();
    Capabilities readCapabilities(const QString& name);
    const DeviceMode& snapshot();
    void forgetCurrent();
    void updateLists();
    // Reads the catalogue; a server that does not answer leaves it empty and remembered as such.
    QList<Destination> readCatalogue();
    // The checks shared by the name and position queries of one list; returns the current code.
    int checkList(bool papers, errtext::Printer notSupported, errtext::Printer noInfo);

    PrintSystem& m_system;
    QList<Destination> m_catalogue;
    std::optional<Current> m_current;
    std::optional<DeviceMode> m_snapshot; // the settings the answers give, read once per choice
    QList<int> m_paperCodes;
    QStringList m_paperNames;
    QList<int> m_binCodes;
    QStringList m_binNames;
    bool m_hasPapers = false;
    bool m_hasBins = false;
    int m_listsOf = -1; // raw position the lists were read for
    QStringList m_ports;
    QString m_unreachable; // the operator's message while the server does not answer
    std::optional<QHash<QString, Capabilities>> m_readOnce; // by printer name, while a ReadOnce lives
};

} // namespace rova::print
