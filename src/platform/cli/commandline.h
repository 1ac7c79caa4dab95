// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/cli: the command line.
//
// The program's command line: what the operator asked for, and the texts printed instead of opening
// the window (help, version, a usage error). New options are added to the table in commandline.cpp.

#include "platform/system/datafolder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace rova::cli
{

// Exit statuses of the program.
enum Status { Success = 0, NoDisplay = 1, Failure = 1, UsageError = 2 };

struct Request {
    enum class Action { Run, Help, Version, Mistake, Batch, NextNumber, Notices };
    Action action = Action::Run;
    QString dataDir;    // --data-dir as given; empty when not given
    QString zipcodeDir; // --zipcode-dir as given; empty when not given
    QString database;   // --database as given (a PostgreSQL URI); empty when not given
    QString mistake;    // for Mistake: what is wrong, for the operator
    // For Batch: order files to add to the batch list, then the list printed when asked.
    QStringList importFiles;
    bool allowDuplicates = false;
    bool printBatch = false;
    bool includeMarked = false;
    // For NextNumber: the tracking number of the next blank form (12 digits) and the slip type it
    // is for; empty for the type the window used last.
    QString nextNumber;
    QString slipType;
    // For Notices: the folder the shipping notices go into, and whether slips notified before go again.
    QString noticeFolder;
    bool allNotices = false;
};

// The arguments as main() received them, the program's name first.
QStringList arguments(int argc, char** argv);
Request parse(const QStringList& arguments);

// What --help says and the Japanese manual page with it, one table per part, so the two cannot
// differ: what is typed or named on the left, what it means on the right.
struct HelpRow {
    QString left, right;
};
QList<HelpRow> optionRows();
QList<HelpRow> fileRows();
QList<HelpRow> environmentRows();
QList<HelpRow> exitStatusRows();
QString summaryText();     // what the program does, one line
QString secondStartText(); // what starting it again does

QString helpText(const datafolder::Choice& folder);
QString versionText(); // name and version, one line

// Prints what the request asks for when it does not open the window (help and version on standard
// output, a mistake on standard error) and returns the exit status; nothing for a request to run.
std::optional<int> answerWithoutWindow(const Request& request, const datafolder::Choice& folder);

// From here on Qt's own messages (start-up notes such as the runtime folder's) are not printed: a
// script reading standard error gets the program's lines only. Fatal ones still are.
void quietQtMessages();

// Writes a text to standard output or standard error at once (UTF-8).
void print(std::FILE* stream, const QString& text);

} // namespace rova::cli
