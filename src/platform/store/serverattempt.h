// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that has to reach the server (connecting, moving records there) done on a thread of its own,
// so that no window waits for a server that does not answer; one attempt at a time, tried again
// every kServerRetry by its owner.

#include <QObject>

#include <chrono>
#include <functional>

class QThread;

namespace rova::store
{

// How often a server that did not answer is tried again.
inline constexpr std::chrono::seconds kServerRetry{10};

class ServerAttempt : public QObject
{
    Q_OBJECT
public:
    explicit ServerAttempt(QObject* parent = nullptr);
    ~ServerAttempt() override; // waits for the attempt under way

    bool underWay() const { return m_thread != nullptr; }
    // Runs `work` on a thread of its own, then `done` on this object's thread; nothing while an
    // attempt is under way. `work` opens connections of its own and lets no exception out.
    void run(std::function<void()> work, std::function<void()> done);

private:
    QThread* m_thread = nullptr;
};

} // namespace rova::store
