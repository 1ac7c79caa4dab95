#pragma once
// The program's start, shared by main() and the start-up benchmark so both run the same steps:
// the application title, the font substitutions, the single-instance check, then the three windows
// with the main one shown.

#include "widgets/forms.h"

#include "platform/singleinstance.h"

#include <memory>

class MainWindow;

namespace rova
{

class ProgramStart
{
public:
    ProgramStart();
    ~ProgramStart();

    // False when another copy is running: it was asked to come forward and no window was made.
    bool open();

    // Only after open() returned true.
    MainWindow& mainWindow() { return *m_forms->main; }

private:
    SingleInstance m_instance;
    std::unique_ptr<Forms> m_forms;
};

} // namespace rova
