#include "platform/batch/batchcommand.h"
#include "platform/cli/commandline.h"
#include "platform/cli/nextnumber.h"
#include "platform/notices/noticecommand.h"
#include "platform/system/datafolder.h"
#include "platform/system/japanese.h"
#include "widgets/kit/display.h"
#include "widgets/programstart.h"

#include <QGuiApplication>

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
    if (request.action == cli::Request::Action::Notices) {
        QCoreApplication app(argc, argv);
        return cli::runNoticeExport(request, folder.path);
    }
    if (request.action == cli::Request::Action::Batch) {
        // From a script: the pages are drawn without a screen, whether or not one is there.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        cli::quietQtMessages();
        QGuiApplication app(argc, argv);
        return cli::runBatch(request, folder.path);
    }

    const auto app = display::connect(argc, argv);
    japanese::install(*app);
    ProgramStart start(folder.path, request.zipcodeDir);
    if (!start.open())
        return cli::Success;
    return app->exec();
}
