// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/errors.h"

#include <QtGlobal>

#include <cerrno>

namespace rova::errtext
{

QString fileNotFound()
{
    return QStringLiteral("File not found");
}
QString fileAccessDenied()
{
    return QStringLiteral("File access denied");
}
QString diskFull()
{
    return QStringLiteral("Disk full");
}
QString invalidInteger(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
QString cannotWrite(const QString& path)
{
    return QStringLiteral("%1 に書き込めません").arg(path);
}
QString unencodable(const QString& characters)
{
    return QStringLiteral("保存できない文字が含まれています: %1").arg(characters);
}

QString fileTooLarge()
{
    return QStringLiteral("ファイルが大きすぎるため読み込めません");
}

QString linesTooLong()
{
    return QStringLiteral("行が長すぎるため読み込めません");
}

QString fromErrno(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return fileNotFound();
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return fileAccessDenied();
    case ENOSPC:
    case EDQUOT:
        return diskFull();
    default:
        return qt_error_string(err); // the C library's text, in the user's language where it has one
    }
}

QString printer(Printer text)
{
    switch (text) {
    case Printer::NoPrinter:
        return QStringLiteral("TPvPrinter.CheckNoPrinter: No Printer");
    case Printer::IllegalIndex:
        return QStringLiteral("TPvPrinter.GetIndex: Printers.PrinterIndex is Illegal");
    case Printer::IndexOutOfRange:
        return QStringLiteral("TPvPrinter.SetIndex: Index is out of Range");
    case Printer::PaperCodeNotSupported:
        return QStringLiteral("TPvPrinter.GetPaperSizeNumber: PaperSize is not Supported");
    case Printer::PaperNamesNotSupported:
        return QStringLiteral("TPvPrinter.GetPaperSizeNames: PaperSize is not Supported");
    case Printer::PaperNamesNoInfo:
        return QStringLiteral("TPvPrinter.GetPaperSizeNames: No Papersize Info Available");
    case Printer::PaperIndexNotSupported:
        return QStringLiteral("TPvPrinter.GetPaperSizeIndex: PaperSize is not Supported");
    case Printer::PaperIndexNoInfo:
        return QStringLiteral("TPvPrinter.GetPaperSizeIndex: No Papersize Info Available");
    case Printer::PaperIndexNotFound:
        return QStringLiteral("TPvPrinter.GetPaperSizeIndex: Cannot Get Paper Index");
    case Printer::BinCodeNotSupported:
        return QStringLiteral("TPvPrinter.GetBinNumber: Bin is not Supported");
    case Printer::BinNamesNotSupported:
        return QStringLiteral("TPvPrinter.GetBinNames: Bin is not Supported");
    case Printer::BinNamesNoInfo:
        return QStringLiteral("TPvPrinter.GetBinNames: No Bin Info Available");
    case Printer::BinIndexNotSupported:
        return QStringLiteral("TPvPrinter.GetBinIndex: Bin is not Supported");
    case Printer::BinIndexNoInfo:
        return QStringLiteral("TPvPrinter.GetBinIndex: No Bin Info Available");
    case Printer::BinIndexNotFound:
        return QStringLiteral("TPvPrinter.GetBinIndex: Cannot Get Bin Index");
    }
    return QString();
}

} // namespace rova::errtext

namespace rova
{

FileError::FileError(QString reason, QString path)
    : Error(reason + QLatin1Char('\n') + path), m_reason(std::move(reason)), m_path(std::move(path))
{
}

bool FileError::isNotFound() const
{
    return m_reason == errtext::fileNotFound();
}

UnencodableError::UnencodableError(QString characters)
    : Error(errtext::unencodable(characters)), m_characters(std::move(characters))
{
}

} // namespace rova
