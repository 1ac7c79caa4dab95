// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exclusive lock on a file, held from tryLock() until the object goes; the system drops it when
// the process ends, however it ends, so a copy that died never blocks the next start.

#include <QString>

namespace rova
{

class InstanceLock
{
public:
    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    const QString& path() const { return m_path; }

    // True when this process now holds the lock, false when another process holds it. The file is
    // made when missing, readable and writable by this user only. Raises rova::FileError naming it
    // when it cannot be made or opened, or is not a plain file of this user's: anyone else able to
    // hold it could decide which copy runs.
    bool tryLock();

    // A short note in the file (where the holder listens), for the copies that find it locked; each
    // replaces the last; write() does nothing unless the lock is held, and a failed write leaves the
    // note empty. read() gives nothing for a file that is not this user's.
    void write(const QByteArray& note);
    QByteArray read() const;

private:
    QString m_path;
    int m_fd = -1;
    bool m_held = false;
};

} // namespace rova
