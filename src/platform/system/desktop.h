// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands web addresses and new mails to the desktop's own handlers.

#include <QString>
#include <QUrl>

#include <functional>

namespace rova::desktop
{

// "mailto:" + address + "?subject=rovaへの問い合わせ&cc=&bcc=&", percent-encoded only where a URL
// must be, so that the subject reaches the mail program as written.
QUrl mailUrl(const QString& address);

// Both give the address to the launcher and do not look at the outcome.
void openUrl(const QString& address);
void openMail(const QString& address);

// ---- test hook ----
using Launcher = std::function<void(const QUrl&)>;
// Replaces the desktop's handler; an empty launcher restores it.
void setLauncher(Launcher launcher);

} // namespace rova::desktop
