// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of printers by visible number and the current choice.

#include "platform/print/printerchoice.h"

namespace rova::print
{

PrinterChoice::PrinterChoice(PrintSystem& system, QObject* parent) : QObject(parent), m_system(system)
{
    m_catalogue = readCatalogue();
}

PrinterChoice::~PrinterChoice() = default;

QList<Destination> PrinterChoice::readCatalogue()
{
    try {
        QList<Destination> read = m_system.destinations();
        m_unreachable.clear();
        return read;
    } catch (const PrinterError& e) {
        if (e.kind() != PrinterError::Kind::Unreachable)
            throw;
        m_unreachable = e.message();
        return {};
    }
}

void PrinterChoice::requireReachable() const
{
    // An unknown list is no empty one: nothing may be chosen from it, not even a printer of our own.
    if (!m_unreachable.isEmpty())
        throw PrinterError(PrinterError::Kind::Unreachable, m_unreachable);
}

void PrinterChoice::requireVisiblePrinter()
{
    requireReachable();
    for (const Destination& d : m_catalogue) {
        if (!d.hidden)
            return;
    }
    m_listsOf = -1;
    throw PrinterError(PrinterError::Kind::NoPrinter, errtext::printer(errtext::Printer::NoPrinter));
}

PrinterChoice::Current& PrinterChoice::current()
{
    requireReachable();
    if (!m_current)
        m_current = Current{};
    if (m_current->raw == -1)
        choose(-1);
    return *m_current;
}

void PrinterChoice::choose(int raw)
{
    if (raw == -1) {
        raw = m_system.defaultDestination();
        // Without a default the first printer stands in for it, as long as there is one.
        if (raw < 0 || raw >= m_catalogue.size())
            raw = m_catalogue.isEmpty() ? -1 : 0;
        if (raw == -1)
            throw Error(QStringLiteral("No printer is installed"));
    }
    if (raw < 0 || raw >= m_catalogue.size())
        throw Error(QStringLiteral("Printer index out of range"));
    // A newly chosen printer starts with its default settings, as a driver hands them out.
    Capabilities caps = readCapabilities(m_catalogue.at(raw).name);
    if (!m_current)
        m_current = Current{};
    m_current->mode = caps.defaults;
    m_current->capabilities = std::move(caps);
    m_current->raw = raw;
}

Capabilities PrinterChoice::readCapabilities(const QString& name)
{
    if (!m_readOnce)
        return m_system.capabilities(name);
    const auto known = m_readOnce->constFind(name);
    if (known != m_readOnce->cend())
        return *known;
    return *m_readOnce->insert(name, m_system.capabilities(name));
}

PrinterChoice::ReadOnce::ReadOnce(PrinterChoice& printers)
    : m_printers(printers), m_outermost(!printers.m_readOnce)
{
    if (!m_outermost)
        return;
    printers.m_readOnce.emplace();
    if (printers.m_current && printers.m_current->raw >= 0 && printers.m_current->capabilities)
        printers.m_readOnce->insert(printers.m_catalogue.at(printers.m_current->raw).name,
                                    *printers.m_current->capabilities);
}

PrinterChoice::ReadOnce::~ReadOnce()
{
    if (m_outermost)
        m_printers.m_readOnce.reset();
}

QStringList PrinterChoice::printerNames()
{
    requireVisiblePrinter();
    QStringList names;
    for (const Destination& d : m_catalogue) {
        if (!d.hidden)
            names.append(d.name);
    }
    return names;
}

int PrinterChoice::currentIndex()
{
    requireVisiblePrinter();
    const int raw = current().raw;
    if (m_catalogue.at(raw).hidden)
        throw PrinterError(PrinterError::Kind::IllegalIndex,
                           errtext::printer(errtext::Printer::IllegalIndex));
    int visible = 0;
    for (int i = 0; i < raw; ++i)
        visible += m_catalogue.at(i).hidden ? 0 : 1;
    return visible;
}

QString PrinterChoice::currentName()
{
    return m_catalogue.at(current().raw).name;
}

void PrinterChoice::setCurrentIndex(int index)
{
    requireVisiblePrinter();
    const PrinterError outOfRange(PrinterError::Kind::Range,
                                  errtext::printer(errtext::Printer::IndexOutOfRange));
    if (index < -1)
        throw outOfRange;
    try {
        if (index == currentIndex())
            return;
    } catch (const PrinterError& e) {
        // A hidden current printer (a hidden default) must not keep every other one from being chosen.
        if (e.kind() != PrinterError::Kind::IllegalIndex)
            throw;
    }
    int raw = -1;
    if (index >= 0) {
        int visible = 0;
        for (int i = 0; i < m_catalogue.size() && raw == -1; ++i) {
            if (!m_catalogue.at(i).hidden && visible++ == index)
                raw = i;
        }
        if (raw == -1)
            throw outOfRange;
    }
    choose(raw);
    m_listsOf = -1;
    updateLists();
    m_snapshot.reset();
}

void PrinterChoice::forgetCurrent()
{
    m_current.reset();
    if (m_readOnce)
        m_readOnce->clear();
    m_listsOf = -1;
    m_snapshot.reset();
}

} // namespace rova::print
