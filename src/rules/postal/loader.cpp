// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/loader.h"

#include "rules/errors.h"
#include "rules/files/fileio.h"
#include "rules/postal/eucjis2004.h"
#include "rules/postal/indexbuild.h"
#include "rules/postal/indexcache.h"
#include "rules/postal/texts.h"

#include <QtDebug>

namespace rova::postal
{

namespace
{

void writeCache(const QString& cache, const IndexTables& data, const FileStamp& towns,
                const FileStamp& offices)
{
    if (cache.isEmpty())
        return;
    try {
        fileio::writeAtomically(cache, cacheBytes(data, towns, offices));
    } catch (const Error& e) {
        // Only the next start is slower; the dictionary itself is in use.
        qWarning("postal index cache %s not written: %s", qPrintable(cache), e.what());
    }
}

QString officesText(const FileStamp& offices)
{
    if (offices.size < 0)
        return {};
    try {
        return decodeEucJis2004(fileio::readAll(offices.path));
    } catch (const Error& e) {
        qWarning("postal office list %s not read: %s", qPrintable(offices.path), e.what());
        return {};
    }
}

} // namespace

Loaded load(const Sources& sources)
{
    const FileStamp towns = stampOf(sources.towns);
    const FileStamp offices = stampOf(sources.offices);
    if (towns.size < 0)
        return {nullptr, text::unavailable(sources.towns, errtext::fileNotFound())};
    // An unreadable, damaged or stale cache is built afresh.
    if (!sources.cache.isEmpty()) {
        if (std::shared_ptr<const Index> cached = mappedIndex(sources.cache, towns, offices))
            return {std::move(cached), {}, true};
    }
    try {
        IndexTables data = buildIndex(decodeEucJis2004(fileio::readAll(sources.towns)), officesText(offices));
        if (data.records.empty())
            return {nullptr,
                    text::unavailable(sources.towns, QStringLiteral("郵便番号がひとつもありません"))};
        writeCache(sources.cache, data, towns, offices);
        return {std::make_shared<const Index>(std::move(data)), {}, false};
    } catch (const Error& e) {
        return {nullptr, text::unavailable(sources.towns, e.message())};
    }
}

Loader::~Loader()
{
    if (m_worker.joinable())
        m_worker.join();
}

void Loader::start(const Sources& sources)
{
    Q_ASSERT(!m_worker.joinable());
    m_worker = std::thread([this, sources] {
        Loaded loaded = load(sources);
        QMetaObject::invokeMethod(
            this, [this, loaded] { emit finished(loaded); }, Qt::QueuedConnection);
    });
}

} // namespace rova::postal
