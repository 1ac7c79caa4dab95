// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error the printer model raises. Its kind tells callers which fallback applies; its
// message is the text the operator sees.

#include "rules/errors.h"

namespace rova::print
{

class PrinterError : public Error
{
public:
    enum class Kind {
        NoPrinter,    // no visible printer installed
        Range,        // a printer number outside the list
        IllegalIndex, // the current printer is a hidden one
        NotSupported, // the printer has no such setting
        NoInfo,       // the printer gives no list for the setting
        PaperSize,    // the current paper is not in the list
        Bin,          // the current bin is not in the list
        Unreachable,  // the print server did not answer; the printer list is not known
        NotFound,     // no printer has the name a slip type is registered with
    };

    PrinterError(Kind kind, QString message) : Error(std::move(message)), m_kind(kind) {}
    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// The print server could not be asked for its printers: `server` is where it was looked for (an
// address or a socket), `reason` the system's own words, which alone tell an operator nothing.
inline PrinterError unreachable(const QString& server, const QString& reason)
{
    return PrinterError(PrinterError::Kind::Unreachable,
                        QStringLiteral("印刷サーバーに接続できません: %1\n"
                                       "CUPS が動いていないか、接続できません\n"
                                       "CUPS を起動してから、もう一度操作してください\n"
                                       "(%2)")
                            .arg(server, reason));
}

} // namespace rova::print
