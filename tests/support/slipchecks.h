#pragma once
// The program's windows in a private working folder, a filled slip, and where its values must land.

#include "rules/slip/slipvalues.h"
#include "widgets/forms.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class MainWindow;
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

// Every item a filled slip of the kind draws, in drawing order, at its layout point.
QList<Expected> filledLayout(int kind);

// The values fill() puts into the window, as a slip of the type with no window at all.
rova::slip::SlipValues filledValues(int slipType);

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

class SlipWindow
{
public:
    SlipWindow();
    ~SlipWindow();
    MainWindow& main() const;
    QString folder() const { return m_dir.path(); }

    // Picks the slip type with the keyboard in the slip-type list, as the operator does; the change
    // runs even when the type was already chosen.
    void chooseSlipType(int index);
    // Moves the slip-type list one step with Up or Down: one change runs.
    void stepSlipType(Qt::Key key);
    void focusSlipTypeList();
    // Fills every field of the slip with the values filledLayout() expects.
    void fill();
    // Clicks "印刷" (F11 on the function-key bar).
    void clickPrint();
    // Before each test: no printer assignment file, no box remembered.
    void startAfresh();

private:
    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<rova::Forms> m_forms;
};

} // namespace slipcheck
