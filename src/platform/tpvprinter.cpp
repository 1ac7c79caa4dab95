#include "platform/tpvprinter.h"

#include "widgets/dialogs.h"

#include <QGuiApplication>

TPvPrinter::TPvPrinter(rova::print::PrintSystem* system, QObject* parent) : QObject(parent), m_system(system)
{
    System();
    // Printers installed or removed while the program was in the background are noticed on return.
    // qGuiApp is an unchecked cast: a console-only application must not reach it.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                rova::guarded(nullptr, [this] { CheckForChanges(); });
        });
    }
}

TPvPrinter::~TPvPrinter() = default;

rova::print::PrintSystem& TPvPrinter::System()
{
    rova::print::PrintSystem& current = m_system ? *m_system : rova::print::system();
    const int generation = m_system ? 0 : rova::print::systemGeneration();
    if (generation != m_generation) {
        // A new print system (tests install one): nothing read from the old one may be used again.
        m_generation = generation;
        m_state.reset();
        m_catalogue = std::make_unique<TPvAllPrintersInfo>(current);
        m_cachedIndex = -1;
        ClearDevMode();
    }
    return current;
}

const TPvAllPrintersInfo& TPvPrinter::Catalogue()
{
    System();
    return *m_catalogue;
}

PvPrinterState& TPvPrinter::State()
{
    if (!m_state)
        m_state = std::make_unique<PvPrinterState>(System(), Catalogue().Entries());
    return *m_state;
}

void TPvPrinter::CheckNoPrinter()
{
    for (int i = 0; i < Catalogue().Count(); ++i) {
        if (!Catalogue().IsHidden(i))
            return;
    }
    m_cachedIndex = -1;
    throw EPvPrinterNoPrinter(QStringLiteral("TPvPrinter.CheckNoPrinter: No Printer"));
}

const QStringList& TPvPrinter::GetPrinterNames()
{
    CheckNoPrinter();
    m_printerNames.clear();
    for (int i = 0; i < Catalogue().Count(); ++i) {
        if (!Catalogue().IsHidden(i))
            m_printerNames.append(Catalogue().GetName(i));
    }
    return m_printerNames;
}

int TPvPrinter::GetIndex()
{
    CheckNoPrinter();
    const int raw = State().Index();
    if (raw < Catalogue().Count() && Catalogue().IsHidden(raw))
        throw EPvPrinterIllegalIndex(QStringLiteral("TPvPrinter.GetIndex: Printers.PrinterIndex is Illegal"));
    const QString name = State().DeviceName();
    int hiddenBefore = 0;
    for (int i = 0; i < Catalogue().Count(); ++i) {
        if (Catalogue().GetName(i) == name)
            return i - hiddenBefore;
        if (Catalogue().IsHidden(i))
            ++hiddenBefore;
    }
    throw rova::Error(
        QStringLiteral("TPvPrinter.GetIndex: the current printer %1 is not installed").arg(name));
}

void TPvPrinter::SetIndex(int index)
{
    CheckNoPrinter();
    if (index < -1)
        throw EPVPrinterRangeError(QStringLiteral("TPvPrinter.SetIndex: Index is out of Range"));
    try {
        if (index == GetIndex())
            return;
    } catch (const EPvPrinterIllegalIndex&) {
        // A hidden current printer (a hidden default) must not keep every other one from being chosen.
    }
    int raw = -1;
    if (index >= 0) {
        int visible = 0;
        for (int i = 0; i < Catalogue().Count() && raw == -1; ++i) {
            if (!Catalogue().IsHidden(i) && visible++ == index)
                raw = i;
        }
        if (raw == -1)
            throw EPVPrinterRangeError(QStringLiteral("TPvPrinter.SetIndex: Index is out of Range"));
    }
    State().SetIndex(raw);
    m_cachedIndex = -1;
    UpdateDeviceLists();
    ClearDevMode();
}

TPvPrinter& PvPrinter()
{
    static TPvPrinter instance;
    return instance;
}
