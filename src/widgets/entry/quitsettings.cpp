// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry/quitsettings.h"

#include <exception>

namespace rova
{

QString saveForQuit(const std::function<void()>& save)
{
    try {
        save();
        return {};
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

QString quitWithoutSettings(const QString& problem)
{
    return problem + QStringLiteral("\n\n設定を保存できませんでした。保存せずに終了しますか?");
}

} // namespace rova
