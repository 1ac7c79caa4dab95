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

namespace errtext
{
QString fileNotFound();
QString fileAccessDenied();
QString diskFull();
QString invalidInteger(const QString& text);    // "'%s' is not a valid integer value"
QString cannotWrite(const QString& path);       // "%s に書き込めません"
QString unencodable(const QString& characters); // "保存できない文字が含まれています: %s"
// The message for a failed file operation, from the system's error number.
QString fromErrno(int err);
} // namespace errtext

} // namespace rova
