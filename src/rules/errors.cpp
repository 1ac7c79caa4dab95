#include "rules/errors.h"

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
        return QStringLiteral("I/O error %1").arg(err);
    }
}

} // namespace rova::errtext

namespace rova
{

UnencodableError::UnencodableError(QString characters)
    : Error(errtext::unencodable(characters)), m_characters(std::move(characters))
{
}

} // namespace rova
