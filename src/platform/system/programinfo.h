// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program is known to the system: its command name, its version and the desktop entry it is
// started from. The version and the entry's id are set once, in the top CMakeLists.txt.

#include <QString>

namespace rova::programinfo
{

QString command();   // "rova-yamato", also the window class the desktop entry names
QString version();   // "1.10"
QString desktopId(); // the desktop entry's name without ".desktop"

// Names the process after the command and ties its windows to the desktop entry, so the desktop
// shows them under the entry's name and icon.
void identifyApplication();

} // namespace rova::programinfo
