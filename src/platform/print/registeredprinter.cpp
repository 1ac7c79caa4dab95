// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/registeredprinter.h"

#include "rules/files/assignmentfile.h"
#include "rules/text/strtoint.h"

namespace rova::print
{

QString registeredPrinterName(const slip::PrintSettings& settings)
{
    if (!settings.printerName.isEmpty())
        return settings.printerName;
    return QStringLiteral("%1番").arg(settings.printerIndex.trimmed());
}

int registeredPrinter(const QStringList& names, const slip::PrintSettings& settings, const QString& slipType)
{
    const int stored = strToInt(settings.printerIndex);
    const auto named = [&](int i) {
        return slip::AssignmentFile::storedName(names.at(i).trimmed()) == settings.printerName;
    };
    if (settings.printerName.isEmpty()) {
        if (stored >= -1 && stored < names.size())
            return stored;
    } else {
        if (stored >= 0 && stored < names.size() && named(stored))
            return stored;
        for (int i = 0; i < names.size(); ++i) {
            if (named(i))
                return i;
        }
    }
    QString message = QStringLiteral("登録されたプリンタ %1 が見つかりません。プリンタを登録し直してください")
                          .arg(registeredPrinterName(settings));
    if (!slipType.isEmpty())
        message += QStringLiteral("\n用紙選択: %1").arg(slipType);
    throw PrinterError(PrinterError::Kind::NotFound, message);
}

} // namespace rova::print
