#pragma once
// The program's three windows, created in the order the program relies on: the main window first,
// then the print position dialog and the print form, which both refer back to it.

#include <memory>

class MainWindow;
class PrintPositionDialog;
class TPv_d97_Dot;

namespace rova
{

struct Forms {
    Forms();
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<PrintPositionDialog> slipPrn;
    std::unique_ptr<TPv_d97_Dot> dot;
};

} // namespace rova
