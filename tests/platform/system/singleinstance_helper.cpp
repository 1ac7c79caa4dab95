// SPDX-License-Identifier: GPL-3.0-or-later
// A second process for the single-instance tests; FOLDER is the data folder.
//   singleinstance_helper serve TITLE FOLDER  runs as the copy that holds the lock: prints "listening"
//                                             and "activated" per request, ends cleanly when its
//                                             standard input closes
//   singleinstance_helper start TITLE FOLDER  prints "ready", waits for a line on its standard input,
//                                             then runs the program's start-up check: prints "running"
//                                             and serves like "serve", or prints "handed over" or
//                                             "already running" and exits 0
//   singleinstance_helper ask TITLE FOLDER    exits 0 when a running copy answered, 1 otherwise
//   singleinstance_helper hold TITLE FOLDER   holds the lock without listening, prints "held"
#include "platform/system/instancelock.h"
#include "platform/system/singleinstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace
{
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
    if (args.size() != 4)
        return 64;
    const QString mode = args.at(1);
    rova::SingleInstance instance(args.at(2), args.at(3));
    rova::InstanceLock lock(instance.lockPath());
    if (mode == "ask")
        return instance.bringExistingForward() ? 0 : 1;
    if (mode == "start") {
        // Several copies are let go at once, so that their checks overlap.
        say("ready\n");
        char go[8];
        if (::read(STDIN_FILENO, go, sizeof go) <= 0)
            return 3;
        switch (instance.claim()) {
        case rova::SingleInstance::Start::HandedOver:
            say("handed over\n");
            return 0;
        case rova::SingleInstance::Start::AlreadyRunning:
            say("already running\n");
            return 0;
        case rova::SingleInstance::Start::Run:
            say("running\n");
        }
    } else if (mode == "hold" && lock.tryLock()) {
        say("held\n");
    } else if (mode == "serve" && instance.claim() == rova::SingleInstance::Start::Run) {
        say("listening\n");
    } else {
        return 2;
    }
    QObject::connect(&instance, &rova::SingleInstance::activationRequested, [] { say("activated\n"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[64];
        if (::read(STDIN_FILENO, buf, sizeof buf) <= 0)
            app.quit();
    });
    return app.exec();
}
