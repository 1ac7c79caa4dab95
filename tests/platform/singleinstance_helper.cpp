// A second process for the single-instance tests.
//   singleinstance_helper serve TITLE   listens, prints "listening" and "activated" per request,
//                                       ends cleanly when its standard input closes
//   singleinstance_helper ask TITLE     exits 0 when a running copy answered, 1 otherwise
#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {
void say(const char* line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 64;
    rova::SingleInstance instance(args.at(2));
    if (args.at(1) == "ask")
        return instance.bringExistingForward() ? 0 : 1;
    if (args.at(1) != "serve" || !instance.listen())
        return 2;
    QObject::connect(&instance, &rova::SingleInstance::activationRequested, [] { say("activated\n"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[64];
        if (::read(STDIN_FILENO, buf, sizeof buf) <= 0)
            app.quit();
    });
    say("listening\n");
    return app.exec();
}
