// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings saved on quitting, and the one question when they cannot be: a folder that cannot be
// written is said once, with its reason, not once per step.

#include <QString>

#include <functional>

namespace rova
{

// Runs `save` (the window's settings); empty, or why they could not be saved.
QString saveForQuit(const std::function<void()>& save);
// The reason and "設定を保存できませんでした。保存せずに終了しますか?".
QString quitWithoutSettings(const QString& problem);

} // namespace rova
