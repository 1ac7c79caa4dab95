// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/desktop.h"

#include <QDesktopServices>

namespace rova::desktop
{

namespace
{
Launcher& launcher()
{
    static Launcher current;
    return current;
}

void launch(const QUrl& url)
{
    if (launcher())
        launcher()(url);
    else
        QDesktopServices::openUrl(url);
}
} // namespace

QUrl mailUrl(const QString& address)
{
    const QString text = QStringLiteral("mailto:") + address + QStringLiteral("?") +
                         QStringLiteral("subject=rovaへの問い合わせ&") + QStringLiteral("cc=&") +
                         QStringLiteral("bcc=&");
    return QUrl(text, QUrl::TolerantMode);
}

void openUrl(const QString& address)
{
    launch(QUrl(address, QUrl::TolerantMode));
}

void openMail(const QString& address)
{
    launch(mailUrl(address));
}

void setLauncher(Launcher replacement)
{
    launcher() = std::move(replacement);
}

} // namespace rova::desktop
