// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own dialogs and controls (the file dialog, its overwrite question, the calendar) speak
// Japanese like the rest of the program, whatever language the desktop is set to.

class QCoreApplication;

namespace rova::japanese
{

// Makes Japanese the default locale and installs Qt's Japanese catalogue ("qtbase_ja") from Qt's
// translations folder. False when the catalogue is not installed; Qt's texts then stay in English.
bool install(QCoreApplication& app);

} // namespace rova::japanese
