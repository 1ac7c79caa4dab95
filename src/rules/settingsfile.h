#pragma once
// The main window's state from one run to the next: section "rv_YAMATOprn" of "rova_Yamato.ini" in
// the working directory. Indexes are kept as stored; the window decides what an out-of-range one means.

#include "rules/senderbook.h"

#include <QString>

namespace rova
{

class ProfileFile;

struct Settings {
    static QString fileName(); // "rova_Yamato.ini"
    static QString section();  // "rv_YAMATOprn"

    int tabMy = 0;       // "Tab_My": the sender slot
    int comboBoxSel = 0; // "ComboBox_SEL": the slip type
    int addrFont = 1;    // "Addr_Font": print font size item
    Sender sender;       // "OP023MyZip", "OP023MyADD1", "OP023MyADD2", "OP023My", "OP023MyTEL"
    QString zip;         // "E_ZIP"
    QString add1;        // "E_AD1"
    QString add2;        // "E_AD2"
    QString custo1;      // "E_CUS"
    QString tel;         // "E_TEL"
    QString g1;          // "E_G1"
    QString g2;          // "E_G2"
    QString g3;          // "E_G3"
    QString kosuu = QStringLiteral("1"); // "KOSUU3", read from "KOSUU" when missing

    // Missing file, section or key: the defaults above.
    void load(const ProfileFile& file);
    // Raises UnsavableFieldsError naming each text a file cannot hold whole (characters code page 932
    // cannot hold, or a line break); writes nothing. The window tells the operator before it saves.
    void checkSavable() const;
    // Writes all 17 keys. A text goes in without what the file cannot hold, so a value of an earlier
    // run never comes back in its place. A failed write raises "%s に書き込めません" at once and the
    // values after it are not written.
    void save(ProfileFile& file) const;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace rova
