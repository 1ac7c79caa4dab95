#include "rules/postal/loader.h"

#include "rules/errors.h"
#include "rules/fileio.h"
#include "rules/postal/eucjis2004.h"
#include "rules/postal/indexbuild.h"
#include "rules/postal/texts.h"

#include <QtDebug>

namespace rova::postal
{

namespace
{

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
    try {
        IndexData data = buildIndex(decodeEucJis2004(fileio::readAll(sources.towns)), officesText(offices));
        if (data.records.empty())
            return {nullptr,
                    text::unavailable(sources.towns, QStringLiteral("郵便番号がひとつもありません"))};
        return {std::make_shared<const Index>(std::move(data)), {}};
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
