// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/printsystem.h"

#include "rules/errors.h"

#include <QStringList>

#include <vector>

namespace rova::print
{

namespace
{

class ChainedPrintSystem : public PrintSystem
{
public:
    explicit ChainedPrintSystem(std::vector<std::unique_ptr<PrintSystem>> parts) : m_parts(std::move(parts))
    {
    }

    QList<Destination> destinations() override
    {
        QList<Destination> all;
        m_names.clear();
        for (auto& part : m_parts) {
            const QList<Destination> own = part->destinations();
            QStringList names;
            for (const Destination& d : own)
                names.append(d.name);
            m_names.push_back(names);
            all += own;
        }
        return all;
    }

    // Offsets come from the list as last read, which is the catalogue the caller indexes.
    int defaultDestination() override
    {
        if (m_names.empty())
            destinations();
        int offset = 0;
        for (std::size_t i = 0; i < m_parts.size(); ++i) {
            const int found = m_parts[i]->defaultDestination();
            if (found >= 0)
                return offset + found;
            offset += int(m_names[i].size());
        }
        return -1;
    }

    Capabilities capabilities(const QString& name) override { return owner(name).capabilities(name); }

    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const JobTitle& title) override
    {
        return owner(name).begin(name, mode, title);
    }

private:
    // Looked up in the list as last read, so that asking for one destination does not read every
    // list again; a name not seen yet reads them afresh.
    PrintSystem& owner(const QString& name)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            for (std::size_t i = 0; i < m_names.size(); ++i) {
                if (m_names[i].contains(name))
                    return *m_parts[i];
            }
            destinations();
        }
        throw Error(QStringLiteral("プリンタ %1 が見つかりません").arg(name));
    }

    std::vector<std::unique_ptr<PrintSystem>> m_parts;
    std::vector<QStringList> m_names; // per part, as destinations() last read them
};

} // namespace

std::unique_ptr<PrintSystem> joinSystems(std::vector<std::unique_ptr<PrintSystem>> parts)
{
    return std::make_unique<ChainedPrintSystem>(std::move(parts));
}

} // namespace rova::print
