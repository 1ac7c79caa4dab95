// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder nobody may write into for the lifetime of the object. Root ignores permission bits, so
// for root the folder is also marked immutable where the file system allows it.

#include <QFile>
#include <QProcess>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString path) : m_path(std::move(path))
    {
        ::chmod(QFile::encodeName(m_path).constData(), 0555);
        if (::geteuid() == 0 && !refusesWrites())
            m_immutable = QProcess::execute("chattr", {"+i", m_path}) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (m_immutable)
            QProcess::execute("chattr", {"-i", m_path});
        ::chmod(QFile::encodeName(m_path).constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False where this machine gives no way to make it read-only; the test then has nothing to prove.
    bool refusesWrites() const
    {
        const QByteArray probe = QFile::encodeName(m_path + "/.probe");
        const int fd = ::open(probe.constData(), O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }

private:
    QString m_path;
    bool m_immutable = false;
};
