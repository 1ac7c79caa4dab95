// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The error that operations raise when they give up, and the standard texts other parts rely on.

#include <QByteArray>
#include <QString>
#include <exception>

namespace rova
{

// An error whose message reaches the operator as it stands (the error box shows nothing else).
class Error : public std::exception
{
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Text that code page 932 cannot hold, so it could not be stored without losing characters.
class UnencodableError : public Error
{
public:
    explicit UnencodableError(QString characters);
    const QString& characters() const noexcept { return m_characters; }

private:
    QString m_characters;
};

// A failed operation on a file: what happened on the first line, the file's full path on the next.
class FileError : public Error
{
public:
    FileError(QString reason, QString path);
    const QString& reason() const noexcept { return m_reason; }
    const QString& path() const noexcept { return m_path; }
    bool isNotFound() const; // the file or a folder on its way does not exist

private:
    QString m_reason;
    QString m_path;
};

namespace errtext
{
QString fileNotFound();
QString fileAccessDenied();
QString diskFull();
QString invalidInteger(const QString& text);    // "'%s' is not a valid integer value"
QString cannotWrite(const QString& path);       // "%s に書き込めません"
QString unencodable(const QString& characters); // "保存できない文字が含まれています: %s"
QString fileTooLarge();                         // "ファイルが大きすぎるため読み込めません"
QString linesTooLong();                         // "行が長すぎるため読み込めません"
// What happened to a file operation, from the system's error number: a standard text above, or the
// system's own words for it.
QString fromErrno(int err);

// What the printer model says when it gives up: the operation, then why. Fixed texts, as the shop's
// support knows them.
enum class Printer {
    NoPrinter,              // "TPvPrinter.CheckNoPrinter: No Printer"
    IllegalIndex,           // "TPvPrinter.GetIndex: Printers.PrinterIndex is Illegal"
    IndexOutOfRange,        // "TPvPrinter.SetIndex: Index is out of Range"
    PaperCodeNotSupported,  // "TPvPrinter.GetPaperSizeNumber: PaperSize is not Supported"
    PaperNamesNotSupported, // "TPvPrinter.GetPaperSizeNames: PaperSize is not Supported"
    PaperNamesNoInfo,       // "TPvPrinter.GetPaperSizeNames: No Papersize Info Available"
    PaperIndexNotSupported, // "TPvPrinter.GetPaperSizeIndex: PaperSize is not Supported"
    PaperIndexNoInfo,       // "TPvPrinter.GetPaperSizeIndex: No Papersize Info Available"
    PaperIndexNotFound,     // "TPvPrinter.GetPaperSizeIndex: Cannot Get Paper Index"
    BinCodeNotSupported,    // "TPvPrinter.GetBinNumber: Bin is not Supported"
    BinNamesNotSupported,   // "TPvPrinter.GetBinNames: Bin is not Supported"
    BinNamesNoInfo,         // "TPvPrinter.GetBinNames: No Bin Info Available"
    BinIndexNotSupported,   // "TPvPrinter.GetBinIndex: Bin is not Supported"
    BinIndexNoInfo,         // "TPvPrinter.GetBinIndex: No Bin Info Available"
    BinIndexNotFound,       // "TPvPrinter.GetBinIndex: Cannot Get Bin Index"
};
QString printer(Printer text);
} // namespace errtext

} // namespace rova
