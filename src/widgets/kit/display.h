// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Connecting to the screen. Qt ends a program that finds no display with an abort and a core dump;
// this program says in one line what is wrong and ends with exit status 1 instead.

#include <QApplication>

#include <memory>

namespace rova::display
{

// The application object, connected to the display. Without one, prints
// "rova-yamato: 画面に接続できません: DISPLAY を確認してください (<Qt's reason>)" on standard error
// and ends the process. argc must outlive the application, as for QApplication itself.
std::unique_ptr<QApplication> connect(int& argc, char** argv);

} // namespace rova::display
