// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's state from one run to the next: section "rv_YAMATOprn" of "rova_Yamato.ini" in
// the working directory. Indexes are kept as stored; the window decides what an out-of-range one means.

#include "rules/files/senderbook.h"

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

    // One read of the file. Missing file, section or key: the defaults above. A file that exists but
    // cannot be read raises rova::FileError naming it, and the values stay the defaults.
    void load(const ProfileFile& file);
    // Raises UnsavableFieldsError naming each text a file cannot hold whole (characters code page 932
    // cannot hold, or a line break) among those changed since `asLoaded`; writes nothing. The window
    // tells the operator before it saves.
    void checkSavable(const Settings& asLoaded) const;
    // Writes all 17 keys in one replacement of the file. A value still as `asLoaded` (what the file
    // gave at load) keeps the bytes the file holds for its key, valid code page 932 or not; it is
    // written only when the key is missing. A changed text goes in without what the file cannot hold,
    // so a value of an earlier run never comes back in its place. A failed write raises
    // "%s に書き込めません" and leaves the file as it was.
    void save(ProfileFile& file, const Settings& asLoaded) const;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace rova
