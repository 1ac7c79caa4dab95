#include "platform/commandline.h"
#include "platform/datafolder.h"
#include "platform/japanese.h"
#include "widgets/display.h"
#include "widgets/programstart.h"

int main(int argc, char* argv[])
{
    using namespace rova;
    const cli::Request request = cli::parse(cli::arguments(argc, argv));
    const datafolder::Choice folder = datafolder::choose(request.dataDir, datafolder::fromProcess());
    // Help, version and mistakes are answered without a display.
    if (const auto status = cli::answerWithoutWindow(request, folder))
        return *status;

    const auto app = display::connect(argc, argv);
    japanese::install(*app);
    ProgramStart start(folder.path, request.zipcodeDir);
    if (!start.open())
        return cli::Success;
    return app->exec();
}
