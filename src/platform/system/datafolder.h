// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/system: the program's place in the system (data folder, single instance, desktop).
//
// The one folder the program keeps its files in: the settings, the printer assignments, the ten
// sender files and its own newer files. Chosen at start and handed to everything that reads or writes.

#include <QString>

namespace rova::datafolder
{

// Where the choice came from, for the operator's help text.
enum class Source { Option, Environment, Default };

struct Choice {
    QString path; // absolute and clean
    Source source = Source::Default;
};

// What the choice depends on besides the command line, read from the process or given by a test.
struct Environment {
    QString dataDir;       // ROVA_DATA_DIR
    QString xdgConfigHome; // XDG_CONFIG_HOME
    QString home;          // HOME
    QString workingFolder; // relative folders are taken from here
};
Environment fromProcess();

QString folderName(); // "rova-yamato"

// --data-dir first, then ROVA_DATA_DIR, else "rova-yamato" in the user's configuration folder
// ($XDG_CONFIG_HOME, or ~/.config when that is unset or not absolute). Empty values count as unset.
Choice choose(const QString& option, const Environment& env);

// Creates the missing folders of `path` from the top down, each with mode 0700 (private to the
// user). Returns 0 or the errno of the folder that could not be made.
int makePrivatePath(const QString& path);

// Makes the folder usable: creates it (and missing parents) with mode 0700 when it is missing and
// checks that a file can be created in it. An existing folder and its files are left as they are.
// Returns the message for the operator naming the folder and why, or an empty string when it is usable.
QString prepare(const QString& path);

} // namespace rova::datafolder
