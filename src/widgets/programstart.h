// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start, shared by main() and the start-up benchmark so both run the same steps:
// the application's name, the font substitutions, the data folder, the single-instance check, the
// clean-up of the data folder, then the printers and the windows with the main one shown. It owns the
// print system and the printer model.

#include "widgets/forms.h"

#include "platform/store/location.h"
#include "platform/system/singleinstance.h"

#include <QString>

#include <memory>

class MainWindow;

namespace rova
{

namespace postal
{
class Loader;
}
namespace print
{
class PrintSystem;
class PrinterChoice;
} // namespace print

// Asks the operator where the PDF printer saves a job, proposing a path; empty when cancelled.
QString askPdfFile(const QString& proposed);

class ProgramStart
{
public:
    // The program's files are kept in the store's folder (created when missing), the list and the
    // history in the store. The postal-code lists are read from zipcodeDir when given, else from the
    // folder the environment names, else where installed.
    explicit ProgramStart(const store::Location& store, const QString& zipcodeDir = {});
    ~ProgramStart();

    // False when another copy is running for the data folder (it was asked to come forward, or the
    // operator was told it runs) or the check could not be made (the operator was told why); no window
    // was made then. A data folder that cannot be created or written is reported first; a copy then
    // runs even when it cannot make its lock there. True when this copy runs: a data folder it holds
    // the lock of is cleared of interrupted writes.
    bool open();

    // Only after open() returned true.
    MainWindow& mainWindow() { return *m_forms->main; }

private:
    store::Location m_store;
    QString m_folder;
    QString m_zipcodeDir;
    SingleInstance m_instance;
    std::unique_ptr<print::PrintSystem> m_system;
    std::unique_ptr<print::PrinterChoice> m_printers;
    std::unique_ptr<Forms> m_forms;
    std::unique_ptr<postal::Loader> m_postal;
};

} // namespace rova
