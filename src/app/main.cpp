// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/batch/batchcommand.h"
#include "platform/cli/commandline.h"
#include "platform/cli/nextnumber.h"
#include "platform/notices/noticecommand.h"
#include "platform/store/location.h"
#include "platform/system/datafolder.h"
#include "platform/system/japanese.h"
#include "platform/system/programinfo.h"
#include "rules/errors.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/display.h"
#include "widgets/programstart.h"

#include <QGuiApplication>

#include <optional>

namespace
{
// A command that works on the store cannot go on when none could be chosen: why, on standard error.
int refuseWithoutStore(const QString& why)
{
    rova::cli::print(stderr, QStringLiteral("%1: %2\n").arg(rova::programinfo::command(), why));
    return rova::cli::UsageError;
}
} // namespace

int main(int argc, char* argv[])
{
    using namespace rova;
    const cli::Request request = cli::parse(cli::arguments(argc, argv));
    const datafolder::Choice folder = datafolder::choose(request.dataDir, datafolder::fromProcess());
    // Help, version and mistakes are answered without a display.
    if (const auto status = cli::answerWithoutWindow(request, folder))
        return *status;
    if (request.action == cli::Request::Action::NextNumber) {
        cli::quietQtMessages();
        QCoreApplication app(argc, argv);
        return cli::registerNextNumber(request, folder.path);
    }
    // The list and the history: the file in the data folder or the server the operator chose.
    std::optional<store::Location> store;
    QString wrongStore;
    try {
        store = store::chooseLocation(folder.path, request.database,
                                      qEnvironmentVariable(qPrintable(store::locationVariable())));
    } catch (const Error& e) {
        wrongStore = e.message();
    }
    if (request.action == cli::Request::Action::Notices) {
        if (!store)
            return refuseWithoutStore(wrongStore);
        cli::quietQtMessages();
        QCoreApplication app(argc, argv);
        return cli::runNoticeExport(request, *store);
    }
    if (request.action == cli::Request::Action::Batch) {
        if (!store)
            return refuseWithoutStore(wrongStore);
        // From a script: the pages are drawn without a screen, whether or not one is there.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        cli::quietQtMessages();
        QGuiApplication app(argc, argv);
        return cli::runBatch(request, *store);
    }

    const auto app = display::connect(argc, argv);
    japanese::install(*app);
    if (!store) {
        Dialogs::error(nullptr, wrongStore + QStringLiteral("\n--database、環境変数 %1 か rova-yamato.conf の"
                                                            "キー %1 を直してから起動してください")
                                                 .arg(store::locationVariable()));
        return cli::UsageError;
    }
    ProgramStart start(*store, request.zipcodeDir);
    if (!start.open())
        return cli::Success;
    return app->exec();
}
