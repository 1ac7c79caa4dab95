// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the print benchmarks share: a private CUPS server with one queue, the program's print system
// over it with a data folder of its own, the entry window holding one ordinary slip, and a print
// button pressed with its question answered Yes.

#include "support/privatecupsserver.h"

#include "platform/print/printerchoice.h"
#include "platform/print/printsystem.h"
#include "widgets/forms.h"

#include <QTemporaryDir>

#include <memory>

class QPushButton;

namespace bench
{

struct PrintBench {
    // Starts the server with its queue and the print system; false with why when they cannot start.
    bool start(QString* why);
    // The windows over the data folder as it is then, the entry window shown with one slip filled in.
    MainWindow& openWindow();
    // Chooses the slip type in the entry window as the operator does, its printer and margins with it.
    void chooseSlipType(int index);

    PrivateCupsServer server;
    QString queue;
    QTemporaryDir folder;
    std::unique_ptr<rova::print::PrintSystem> system;
    std::unique_ptr<rova::print::PrinterChoice> printer;
    std::unique_ptr<rova::Forms> forms;
};

// Clicks the button with the print question answered Yes; false with the message when an error box
// came up.
bool clickPrint(QPushButton* print, QString* why);

} // namespace bench
