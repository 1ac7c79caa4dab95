// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/serverattempt.h"

#include <QThread>

namespace rova::store
{

ServerAttempt::ServerAttempt(QObject* parent) : QObject(parent) {}

ServerAttempt::~ServerAttempt()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void ServerAttempt::run(std::function<void()> work, std::function<void()> done)
{
    if (m_thread)
        return;
    m_thread = QThread::create(std::move(work));
    connect(m_thread, &QThread::finished, this, [this, done = std::move(done)] {
        m_thread->deleteLater();
        m_thread = nullptr;
        done();
    });
    m_thread->start();
}

} // namespace rova::store
