// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the sample slip's values must land on a printed slip, and the printer assignment file.

#include <QList>
#include <QString>

#include <functional>

class NumberEdit;

namespace rova::print
{
class FakePrintSystem;
}

namespace slipcheck
{

struct Expected {
    QString text;
    QString family;
    int points;
    bool bold;
    int x; // layout units
    int y;
};

// The form kind of slip type 0..5: 0 standard, 1 time service, 2 delivery date.
inline int kindOf(int slipType)
{
    return slipType / 2;
}

// Every item the sample slip (support/sampleslip.h) of the kind draws, in drawing order, at its layout point.
QList<Expected> filledLayout(int kind);

// Writes one section of "rova_a500.ini" in the folder (code page 932), replacing the file.
void writeAssignments(const QString& folder, const QList<QStringList>& sections);
// The lines of "rova_a500.ini" in the folder, decoded, blank ones left out; none when it is missing.
QStringList assignmentLines(const QString& folder);
// The key lines of one section, in file order.
QStringList sectionLines(const QString& folder, const QString& section);
// The four key lines as the register commands write them, in their order.
QStringList keyLines(const QString& name, const QString& index, const QString& top, const QString& left);

// Replaces what a margin field holds by typing, as the operator does; the field must have the focus.
void retype(NumberEdit* edit, const QString& keys);
// Answers the next printer-setup dialog: moves its printer list to `printer` with the keyboard, runs
// `meanwhile` and then confirms or cancels.
void answerSetupDialog(int printer, bool confirm, const std::function<void()>& meanwhile = {});

// Installs a fake print system with these visible printers and default, in scripted-dialog mode,
// for a whole test case; returns it so that the test can change it later.
rova::print::FakePrintSystem* installFakePrinters(const QStringList& names, int defaultIndex = -1);

} // namespace slipcheck
