#pragma once
// The program's windows in a private working folder, a filled slip, and where its values must land.

#include "app/forms.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

class TForm_Main;

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

// Writes one section of "rova_a500.ini" in the folder (code page 932), replacing the file.
void writeAssignments(const QString& folder, const QList<QStringList>& sections);

class SlipWindow
{
public:
    SlipWindow();
    ~SlipWindow();
    TForm_Main& main() const;
    QString folder() const { return m_dir.path(); }

    // Picks the slip type with the keyboard in the slip-type list, as the operator does; the change
    // runs even when the type was already chosen.
    void chooseSlipType(int index);
    void focusSlipTypeList();
    // Fills every field of the slip with the values filledLayout() expects.
    void fill();
    // Clicks "印刷" (F11 on the function-key bar).
    void clickPrint();

private:
    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<rova::Forms> m_forms;
};

} // namespace slipcheck
