// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/programstart.h"

#include "widgets/entry/mainwindow.h"

#include "platform/print/fonts.h"
#include "platform/print/installedprinters.h"
#include "platform/print/printerchoice.h"
#include "platform/system/datafolder.h"
#include "platform/system/programinfo.h"
#include "rules/errors.h"
#include "rules/files/datafiles.h"
#include "rules/postal/loader.h"
#include "widgets/entry/postalassist.h"
#include "widgets/history/databasecheck.h"
#include "widgets/kit/dialogs.h"
#include "widgets/printer/printerwatch.h"

#include <QApplication>

namespace rova
{

QString askPdfFile(const QString& proposed)
{
    return Dialogs::saveFileName(QApplication::activeWindow(), QStringLiteral("PDF ファイルに保存"), proposed,
                                 QStringLiteral("PDF (*.pdf)"));
}

ProgramStart::ProgramStart(const store::Location& store, const QString& zipcodeDir)
    : m_store(store), m_folder(store.folder), m_zipcodeDir(zipcodeDir),
      m_instance(Dialogs::applicationTitle(), m_folder)
{
    programinfo::identifyApplication();
    fonts::registerSubstitutions();
}

// The windows use the printers, so they go first.
ProgramStart::~ProgramStart()
{
    m_forms.reset();
}

bool ProgramStart::open()
{
    // Said before anything else, so the operator knows before typing what could not be kept.
    const QString problem = datafolder::prepare(m_folder);
    if (!problem.isEmpty())
        Dialogs::error(nullptr, problem);
    auto start = SingleInstance::Start::AlreadyRunning;
    bool checked = false;
    bool locked = false;
    guarded(nullptr, [&] {
        try {
            start = m_instance.claim();
            locked = true;
        } catch (const FileError&) {
            // In a folder no copy can write to, no copy can spoil another's files: this one runs
            // without the lock rather than not at all, and says nothing more than the folder's box.
            if (problem.isEmpty())
                throw;
            start = SingleInstance::Start::Run;
        }
        checked = true;
    });
    if (!checked)
        return false; // the lock file could not be used: the box named it
    // Said only when the running copy could not be reached; this copy ends without waiting for a click.
    if (start == SingleInstance::Start::AlreadyRunning)
        Dialogs::tellBriefly(
            nullptr,
            QStringLiteral("%1 はすでに起動しています\n%2").arg(Dialogs::applicationTitle(), m_folder), 5000);
    if (start != SingleInstance::Start::Run)
        return false;
    // Only the copy that holds the folder's lock may clear it: no other copy is writing there.
    if (locked) {
        datafiles::removeLeftovers(m_folder, datafiles::names());
        checkDatabaseAtStart(m_folder);
    }

    m_system = print::installedPrinters(&askPdfFile, print::PdfProposal(m_folder));
    m_printers = std::make_unique<print::PrinterChoice>(*m_system);
    checkPrintersOnActivation(*m_printers, true);
    m_forms = std::make_unique<Forms>(*m_printers, m_store);
    QObject::connect(&m_instance, &SingleInstance::activationRequested, m_forms->main.get(),
                     &MainWindow::comeForward);
    m_forms->main->show();
    // Read while the operator starts typing; the look-ups are there once it is done.
    m_postal = std::make_unique<postal::Loader>();
    QObject::connect(m_postal.get(), &postal::Loader::finished, m_forms->postal.get(), &PostalAssist::use);
    m_postal->start(
        postal::locateSources(m_zipcodeDir, qEnvironmentVariable(postal::kFolderVariable), m_folder));
    return true;
}

} // namespace rova
