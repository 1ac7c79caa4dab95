// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/notices/noticecommand.h"

#include "platform/notices/noticeexport.h"
#include "platform/system/programinfo.h"
#include "rules/errors.h"
#include "rules/files/programsettings.h"

namespace rova::cli
{

int runNoticeExport(const Request& request, const store::Location& store)
{
    try {
        store::History history(store);
        const notices::Exported exported = notices::exportNotices(
            history, request.noticeFolder, request.allNotices, ProgramSettings(store.folder).noticeSettings(),
            QDateTime::currentDateTime());
        print(stdout, exported.summary + QLatin1Char('\n'));
        return Success;
    } catch (const Error& e) {
        print(stderr, QStringLiteral("%1: %2\n").arg(programinfo::command(), e.message()));
        return Failure;
    }
}

} // namespace rova::cli
