#pragma once
// The program's start, shared by main() and the start-up benchmark so both run the same steps:
// the application title, the font substitutions, the single-instance check, then the printers and
// the windows with the main one shown. It owns the print system and the printer model.

#include "widgets/forms.h"

#include "platform/singleinstance.h"

#include <QString>

#include <memory>

class MainWindow;

namespace rova
{

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
    // The program's files are kept in folder.
    explicit ProgramStart(const QString& folder);
    ~ProgramStart();

    // False when another copy is running: it was asked to come forward and no window was made.
    bool open();

    // Only after open() returned true.
    MainWindow& mainWindow() { return *m_forms->main; }

private:
    QString m_folder;
    SingleInstance m_instance;
    std::unique_ptr<print::PrintSystem> m_system;
    std::unique_ptr<print::PrinterChoice> m_printers;
    std::unique_ptr<Forms> m_forms;
};

} // namespace rova
