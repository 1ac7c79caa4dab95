// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F3 "次票" of the main window: a clean slip for the next parcel, suggested after each accepted print.

class MainWindow;

namespace rova
{

void bindNextSlip(MainWindow& window);

} // namespace rova
