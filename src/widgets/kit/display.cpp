// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/display.h"

#include "platform/cli/commandline.h"
#include "platform/system/programinfo.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace rova::display
{

namespace
{

QtMessageHandler previousHandler = nullptr;
// What the platform plugin said while it was being loaded; shown only when loading failed.
QList<std::pair<QtMsgType, QString>> pluginNotes;

void handleDuringConnect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool fromPlugin = QByteArray(context.category ? context.category : "").startsWith("qt.qpa");
    if (type != QtFatalMsg) {
        if (fromPlugin)
            pluginNotes.append(
                {type, QStringLiteral("%1: %2").arg(QLatin1String(context.category), message)});
        else
            previousHandler(type, context, message);
        return;
    }
    // The plugin's own note names the display it tried; Qt's final message only lists plugins.
    const QString reason = pluginNotes.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0).trimmed()
                                                 : pluginNotes.first().second;
    const QString line = QStringLiteral("%1: 画面に接続できません: DISPLAY を確認してください (%2)\n")
                             .arg(programinfo::command(), reason);
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(cli::NoDisplay);
}

} // namespace

std::unique_ptr<QApplication> connect(int& argc, char** argv)
{
    pluginNotes.clear();
    previousHandler = qInstallMessageHandler(handleDuringConnect);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    // Connected after all: what the plugin noted on the way is passed on as usual.
    for (const auto& [type, text] : pluginNotes)
        previousHandler(type, QMessageLogContext(), text);
    pluginNotes.clear();
    return app;
}

} // namespace rova::display
