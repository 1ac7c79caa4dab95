// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the postal dictionary once per start, away from the window's thread.

#include "rules/postal/index.h"
#include "rules/postal/sources.h"

#include <QObject>

#include <memory>
#include <thread>

namespace rova::postal
{

struct Loaded {
    std::shared_ptr<const Index> index; // null when the dictionary cannot be used
    QString status;                     // then the one status-bar line saying so
    bool fromCache = false;
};

// The cache when it was made from the files as they are now, else the files themselves (and the
// cache is written for the next start). Never raises: what fails ends up in `status`.
Loaded load(const Sources& sources);

// Runs load() in a thread of its own and reports in the thread that started it.
class Loader : public QObject
{
    Q_OBJECT
public:
    explicit Loader(QObject* parent = nullptr) : QObject(parent) {}
    ~Loader() override; // waits for a load still running

    // Once per loader.
    void start(const Sources& sources);

signals:
    void finished(const rova::postal::Loaded& loaded);

private:
    std::thread m_worker;
};

} // namespace rova::postal

Q_DECLARE_METATYPE(rova::postal::Loaded)
